// Debian's Chromium, driven by playwright-core; no browser is ever downloaded.
import { existsSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";

export const chromiumPath = "/usr/bin/chromium";

// The machine has no network beyond the package registries; these flags keep Chromium from
// trying to reach anything, and a fresh profile keeps runs independent of each other.
const quietFlags = [
  "--no-sandbox",
  "--disable-gpu",
  "--disable-quic",
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--force-color-profile=srgb",
];

export async function launchBrowser() {
  if (!existsSync(chromiumPath)) throw new Error(`${chromiumPath} is missing; install the Debian package "chromium"`);
  const profile = mkdtempSync(join(tmpdir(), "tolvarin-webamp-profile-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: quietFlags,
    viewport: { width: 660, height: 250 },
    deviceScaleFactor: 1,
  });
  return {
    context,
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Loads the page, renders one skin and gathers what the checks need: the screenshot, where
// Webamp put each window, which window has focus, and every complaint the page made.
export async function renderSkin(context, origin, skinUrl, layout, screenshotPath) {
  const page = await context.newPage();
  const complaints = [];
  page.on("console", (message) => {
    if (message.type() === "error" || message.type() === "warning" || /fail|error/i.test(message.text()))
      complaints.push(`console ${message.type()}: ${message.text()}`);
  });
  page.on("pageerror", (error) => complaints.push(`page error: ${error.message}`));
  page.on("dialog", async (dialog) => {
    complaints.push(`dialog ${dialog.type()}: ${dialog.message()}`);
    await dialog.dismiss();
  });
  page.on("requestfailed", (request) => complaints.push(`request failed: ${request.url()} ${request.failure()?.errorText}`));
  page.on("response", (response) => {
    if (response.status() >= 400) complaints.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  try {
    await page.goto(`${origin}/`, { waitUntil: "load" });
    await page.evaluate(([url, l]) => window.renderSkin(url, l), [skinUrl, layout]);
    const windows = await page.evaluate(() => {
      const found = {};
      for (const [name, id] of [["main", "main-window"], ["equalizer", "equalizer-window"], ["playlist", "playlist-window"]]) {
        const element = document.getElementById(id);
        if (!element) continue;
        const box = element.getBoundingClientRect();
        found[name] = {
          left: Math.round(box.left), top: Math.round(box.top), width: Math.round(box.width), height: Math.round(box.height),
          selected: element.classList.contains("selected"),
          classes: element.className,
        };
      }
      const on = document.querySelector("#equalizer-window #on");
      const state = {
        mainSelected: found.main?.selected ?? false,
        equalizerSelected: found.equalizer?.selected ?? false,
        playlistSelected: found.playlist?.selected ?? false,
        eqOn: on ? on.classList.contains("selected") : true,
      };
      return { found, state };
    });
    const screenshot = await page.screenshot({ path: screenshotPath, type: "png" });
    return { screenshot, windows: windows.found, state: windows.state, complaints };
  } finally {
    await page.close();
  }
}
