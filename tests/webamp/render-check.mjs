// Renders tolvarin skins in Webamp (Debian's Chromium) and compares the screenshot with the
// skin's own bitmaps. Usage:
//   node render-check.mjs --artifacts DIR --skin NAME FOLDER WSZ [--skin NAME FOLDER WSZ ...]
//                         [--failure TEXT] [--skip TEXT]
// --failure and --skip carry results of earlier steps (making the skins) into the one count.
// Prints one line per check and "N passed, N failed[, N skipped]"; exits 1 when anything failed.
import { mkdirSync } from "node:fs";
import { join } from "node:path";
import { launchBrowser, renderSkin } from "./lib/browser.mjs";
import { buildChecks, runCheck } from "./lib/checks.mjs";
import { decodePng } from "./lib/png.mjs";
import { startServer } from "./lib/server.mjs";
import { loadSkinFolder } from "./lib/skin.mjs";

const skinFiles = [
  "MAIN.BMP", "EQMAIN.BMP", "EQ_EX.BMP", "BALANCE.BMP", "CBUTTONS.BMP", "MONOSTER.BMP", "POSBAR.BMP", "SHUFREP.BMP",
  "TITLEBAR.BMP", "NUMS_EX.BMP", "PLAYPAUS.BMP", "VOLUME.BMP", "TEXT.BMP", "PLEDIT.BMP", "MB.BMP",
  "PLEDIT.TXT", "VISCOLOR.TXT", "SEXYFONT.TXT", "MARON.TXT",
];

// Main and equalizer stacked, the playlist beside them, wide enough for its visualiser piece and
// tall enough for two rows of side tiles beyond the minimum.
const tracks = [
  { url: "/silence.wav", duration: 1, metaData: { artist: "Tolvarin", title: "First test track" } },
  { url: "/silence.wav", duration: 1, metaData: { artist: "Tolvarin", title: "Second test track" } },
];
const layout = {
  windows: {
    main: { position: { top: 0, left: 0 } },
    equalizer: { position: { top: 126, left: 0 } },
    playlist: { position: { top: 0, left: 285 }, size: { extraWidth: 3, extraHeight: 2 } },
  },
  tracks,
};

function parseArguments(argv) {
  const options = { artifacts: null, skins: [], files: skinFiles, failures: [], skips: [] };
  for (let i = 0; i < argv.length; ++i) {
    if (argv[i] === "--artifacts" && i + 1 < argv.length) options.artifacts = argv[++i];
    else if (argv[i] === "--skin" && i + 3 < argv.length) {
      options.skins.push({ name: argv[i + 1], folder: argv[i + 2], wsz: argv[i + 3] });
      i += 3;
    } else if (argv[i] === "--failure" && i + 1 < argv.length) options.failures.push(argv[++i]);
    else if (argv[i] === "--skip" && i + 1 < argv.length) options.skips.push(argv[++i]);
    else throw new Error(`unexpected argument "${argv[i]}"`);
  }
  if (!options.artifacts || options.skins.length + options.failures.length === 0) throw new Error("usage: render-check.mjs --artifacts DIR --skin NAME FOLDER WSZ ...");
  return options;
}

let passed = 0, failed = 0, skipped = 0;
function report(skinName, name, problem) {
  if (problem) {
    ++failed;
    console.log(`FAIL ${skinName}: ${name}: ${problem}`);
  } else {
    ++passed;
    console.log(`ok   ${skinName}: ${name}`);
  }
}

async function main() {
  const options = parseArguments(process.argv.slice(2));
  for (const failure of options.failures) report("setup", failure, "failed");
  for (const skip of options.skips) {
    ++skipped;
    console.log(`skip ${skip}`);
  }
  if (options.skins.length === 0) return;
  mkdirSync(options.artifacts, { recursive: true });
  const server = await startServer(new Map(options.skins.map((s) => [s.name, s.wsz])));
  const browser = await launchBrowser();
  try {
    for (const entry of options.skins) {
      let skin;
      try {
        skin = loadSkinFolder(entry.folder);
      } catch (error) {
        report(entry.name, "skin bitmaps decode as 24-bit BMP", error.message);
        continue;
      }
      const upper = new Set(skin.files.map((f) => f.toUpperCase()));
      const missing = options.files.filter((f) => !upper.has(f));
      report(entry.name, `folder holds ${options.files.length} skin files`, missing.length ? `missing ${missing.join(", ")}` : null);

      const screenshotPath = join(options.artifacts, `${entry.name}.png`);
      let rendered;
      try {
        rendered = await renderSkin(browser.context, server.origin, `/skins/${encodeURIComponent(entry.name)}.wsz`, layout, screenshotPath);
      } catch (error) {
        report(entry.name, "Webamp renders the skin", error.message.split("\n")[0]);
        continue;
      }
      report(entry.name, "Webamp loads the skin without errors", rendered.complaints.length ? rendered.complaints.join(" | ") : null);
      const shown = ["main", "equalizer", "playlist"].filter((w) => rendered.windows[w]);
      report(entry.name, "main, equalizer and playlist windows shown", shown.length === 3 ? null : `only ${shown.join(", ")}`);
      const screen = decodePng(rendered.screenshot);
      for (const check of buildChecks(skin, rendered.windows, rendered.state, tracks.length)) {
        let problem;
        try {
          problem = runCheck(check, skin, screen);
        } catch (error) {
          problem = error.message;
        }
        report(entry.name, `${check.window}: ${check.name}`, problem);
      }
      console.log(`     ${entry.name}: screenshot ${screenshotPath}`);
    }
  } finally {
    await browser.close();
    await server.close();
  }
}

try {
  await main();
} catch (error) {
  console.log(`FAIL render-check: ${error.message}`);
  ++failed;
}
console.log(`${passed} passed, ${failed} failed` + (skipped ? `, ${skipped} skipped` : ""));
process.exit(failed ? 1 : 0);
