// The browser edition's figures, in headless Chromium (Debian's): a settings change to a repainted
// preview (goal: median at most 16 ms), opening a 12-megapixel JPEG (at most 1.5 s) and the size
// of the page's own code with the module, compressed (at most 1.5 MB, Webamp aside).
//   node bench/web_bench.mjs [SITE_FOLDER] [RUNS]      (./tolvarin web --out SITE_FOLDER first)
// The benchmark page (bench/web/bench.html) is served beside the site's module.
import { readFileSync, readdirSync } from "node:fs";
import { join, resolve } from "node:path";
import { gzipSync } from "node:zlib";
import { launchBrowser } from "../tests/webamp/lib/browser.mjs";

const site = resolve(process.argv[2] ?? "build/web/site");
const runs = Number(process.argv[3] ?? 5);
const page = readFileSync(new URL("./web/bench.html", import.meta.url));

let compressed = 0;
for (const name of readdirSync(site).filter((file) => file !== "webamp.mjs"))
  compressed += gzipSync(readFileSync(join(site, name)), { level: 9 }).length;

const browser = await launchBrowser();
try {
  const tab = await browser.context.newPage();
  await tab.route("http://bench.invalid/**", (route) => {
    const name = new URL(route.request().url()).pathname.slice(1);
    const types = { "": "text/html", "tolvarin.mjs": "text/javascript", "tolvarin.wasm": "application/wasm" };
    if (!(name in types)) return route.fulfill({ status: 404 });
    route.fulfill({ contentType: types[name], body: name === "" ? page : readFileSync(join(site, name)) });
  });
  await tab.goto("http://bench.invalid/");
  await tab.waitForFunction(() => typeof window.runBenchmark === "function");
  const figures = await tab.evaluate((n) => window.runBenchmark(n), runs);
  const row = (what, value, goal, ok) => console.log(`${what.padEnd(44)} ${value.padStart(12)}   goal ${goal.padEnd(10)} ${ok ? "met" : "MISSED"}`);
  console.log(`Chromium, ${runs} runs (${(figures.jpegBytes / 1e6).toFixed(1)} MB JPEG of 4000 x 3000)`);
  row("settings change to repainted preview (median)", `${figures.change.toFixed(2)} ms`, "16 ms", figures.change <= 16);
  row("open a 12-megapixel JPEG (median)", `${figures.open.toFixed(0)} ms`, "1500 ms", figures.open <= 1500);
  row("page code and WebAssembly, gzip -9", `${(compressed / 1e6).toFixed(3)} MB`, "1.5 MB", compressed <= 1.5e6);
} finally {
  await browser.close();
}
