// Debian's Chromium, driven by playwright-core; no browser is ever downloaded.
import { existsSync, mkdtempSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { chromium } from "playwright-core";

export const chromiumPath = "/usr/bin/chromium";
export const viewport = { width: 660, height: 250 };

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
  // Greyscale text antialiasing whatever the machine's font configuration asks for: the playlist's
  // text probe relies on every text pixel mixing the same share of each colour channel.
  "--disable-lcd-text",
  "--autoplay-policy=no-user-gesture-required",
];

export async function launchBrowser() {
  if (!existsSync(chromiumPath)) throw new Error(`${chromiumPath} is missing; install the Debian package "chromium"`);
  const profile = mkdtempSync(join(tmpdir(), "tolvarin-webamp-profile-"));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: quietFlags,
    viewport,
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

// Where Webamp put each window and the bits of its state that decide which sprites show.
export function readWindows() {
  const found = {};
  for (const [name, id] of [["main", "main-window"], ["equalizer", "equalizer-window"], ["playlist", "playlist-window"]]) {
    const element = document.getElementById(id);
    if (!element) continue;
    const box = element.getBoundingClientRect();
    found[name] = { left: Math.round(box.left), top: Math.round(box.top), width: Math.round(box.width), height: Math.round(box.height) };
  }
  const selected = (id) => document.getElementById(id)?.classList.contains("selected") ?? false;
  const on = document.querySelector("#equalizer-window #on");
  const state = {
    mainSelected: selected("main-window"),
    equalizerSelected: selected("equalizer-window"),
    playlistSelected: selected("playlist-window"),
    eqOn: on ? on.classList.contains("selected") : true,
  };
  return { windows: found, state };
}

// Loads the page and renders one skin; the returned session takes screenshots of the states the
// checks look at and collects every complaint the page makes on the way.
export async function openSkin(context, origin, skinUrl, layout) {
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
  page.on("requestfailed", (request) => {
    // Chromium drops the audio element's pending range request when playback pauses or seeks.
    if (new URL(request.url()).pathname === "/silence.wav" && request.failure()?.errorText === "net::ERR_ABORTED") return;
    complaints.push(`request failed: ${request.url()} ${request.failure()?.errorText}`);
  });
  page.on("response", (response) => {
    if (response.status() >= 400) complaints.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  try {
    await page.goto(`${origin}/`, { waitUntil: "load" });
    await page.waitForFunction(() => typeof window.renderSkin === "function", null, { timeout: 30000 });
    await page.evaluate(([url, l]) => window.renderSkin(url, l), [skinUrl, layout]);
  } catch (error) {
    await page.close();
    const said = complaints.length ? ` (page said: ${complaints.join(" | ")})` : "";
    throw new Error(error.message.split("\n")[0] + said);
  }
  const settle = () => page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
  return {
    complaints,
    layout: () => page.evaluate(readWindows),
    screenshot: (path) => page.screenshot({ path, type: "png" }),
    // Holds the mouse button down at page point (x, y) for one screenshot, then lets go over the
    // page background so that no click reaches the control.
    async pressed(x, y) {
      await page.mouse.move(x, y);
      await page.mouse.down();
      await settle();
      const shot = await page.screenshot({ type: "png" });
      await page.mouse.move(viewport.width - 2, viewport.height - 2);
      await page.mouse.up();
      await settle();
      return shot;
    },
    // Shuffle and repeat on, the first track played for a moment and paused, still at 0:00.
    async pauseAtStart() {
      const status = await page.evaluate(async () => {
        const webamp = window.webamp;
        // A clutter-bar press let go off the button leaves its help text in the song title box.
        webamp.store.dispatch({ type: "UNSET_FOCUS" });
        webamp.toggleShuffle();
        webamp.toggleRepeat();
        webamp.play();
        const waitFor = async (status) => {
          const deadline = Date.now() + 5000;
          while (webamp.getMediaStatus() !== status && Date.now() < deadline) await new Promise((r) => setTimeout(r, 10));
        };
        await waitFor("PLAYING");
        // The status turns PLAYING before the audio element starts; a pause before then is undone
        // by the element's own "playing" event, so wait for the clock to move first.
        const deadline = Date.now() + 5000;
        while (!(webamp.store.getState().media.timeElapsed > 0) && Date.now() < deadline) await new Promise((r) => setTimeout(r, 10));
        webamp.pause();
        await waitFor("PAUSED");
        await new Promise((r) => setTimeout(r, 100));
        return webamp.getMediaStatus();
      });
      await settle();
      return status;
    },
    // One state of the sprite-state table, through Webamp's store: its sliders run 0-100, and
    // the first track plays from `playAt` per cent of its length.
    async setState(state) {
      await page.evaluate(async ({ volume, balance, band60, eqOn, playAt }) => {
        const webamp = window.webamp;
        const dispatch = (action) => webamp.store.dispatch(action);
        if (volume !== undefined) dispatch({ type: "SET_VOLUME", volume });
        if (balance !== undefined) dispatch({ type: "SET_BALANCE", balance });
        if (band60 !== undefined) dispatch({ type: "SET_BAND_VALUE", band: 60, value: 50 + (band60 * 50) / 12 });
        if (eqOn !== undefined) dispatch({ type: eqOn ? "SET_EQ_ON" : "SET_EQ_OFF" });
        if (playAt === undefined) return;
        const media = () => webamp.store.getState().media;
        const until = async (done) => {
          const deadline = Date.now() + 5000;
          while (!done() && Date.now() < deadline) await new Promise((r) => setTimeout(r, 10));
        };
        // Play pressed while playing starts the track again.
        if (webamp.getMediaStatus() !== "PLAYING") webamp.play();
        await until(() => webamp.getMediaStatus() === "PLAYING" && media().timeElapsed > 0);
        dispatch({ type: "SEEK_TO_PERCENT_COMPLETE", percent: playAt });
        const target = (60 * playAt) / 100; // the tracks are a minute long
        await until(() => Math.abs(media().timeElapsed - target) < 2);
        if (Math.abs(media().timeElapsed - target) >= 2) throw new Error(`the track plays at ${media().timeElapsed} s, not ${target} s`);
      }, state);
      await settle();
      return page.screenshot({ type: "png" });
    },
    close: () => page.close(),
  };
}
