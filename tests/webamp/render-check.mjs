// Renders tolvarin skins in Webamp (Debian's Chromium) and compares the screenshot with the
// skin's own bitmaps. Usage:
//   node render-check.mjs --artifacts DIR --skin NAME FOLDER WSZ [--skin NAME FOLDER WSZ ...]
//                         [--wrong NAME WSZ RIGHT_FOLDER] [--failure TEXT]
// --failure carries the failures of earlier steps (making the skins) into the one count.
// --wrong names a skin made to be wrong: its texts are missing or in other colours than those of
// RIGHT_FOLDER's skin. The text checks, expecting RIGHT_FOLDER's colours, must fail on it.
// Prints one line per check and "N passed, N failed"; exits 1 when anything failed.
import { mkdirSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { RgbImage } from "./lib/bmp.mjs";
import { launchBrowser, openSkin } from "./lib/browser.mjs";
import { buildChecks, pausedChecks, pressedControls, runCheck, shadedChecks } from "./lib/checks.mjs";
import { decodePng, encodePng } from "./lib/png.mjs";
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
  { url: "/silence.wav", duration: 60, metaData: { artist: "Tolvarin", title: "First test track" } },
  { url: "/silence.wav", duration: 60, metaData: { artist: "Tolvarin", title: "Second test track" } },
];
const layout = {
  windows: {
    main: { position: { top: 0, left: 0 } },
    equalizer: { position: { top: 126, left: 0 } },
    playlist: { position: { top: 0, left: 285 }, size: { extraWidth: 3, extraHeight: 2 } },
  },
  tracks,
};

const shadedLayout = {
  windows: Object.fromEntries(Object.entries(layout.windows).map(([name, value]) => [name, { ...value, shadeMode: true }])),
  tracks,
};

function parseArguments(argv) {
  const options = { artifacts: null, skins: [], wrong: [], files: skinFiles, failures: [] };
  for (let i = 0; i < argv.length; ++i) {
    if (argv[i] === "--artifacts" && i + 1 < argv.length) options.artifacts = argv[++i];
    else if (argv[i] === "--skin" && i + 3 < argv.length) {
      options.skins.push({ name: argv[i + 1], folder: argv[i + 2], wsz: argv[i + 3] });
      i += 3;
    } else if (argv[i] === "--wrong" && i + 3 < argv.length) {
      options.wrong.push({ name: argv[i + 1], wsz: argv[i + 2], right: argv[i + 3] });
      i += 3;
    } else if (argv[i] === "--failure" && i + 1 < argv.length) options.failures.push(argv[++i]);
    else throw new Error(`unexpected argument "${argv[i]}"`);
  }
  if (!options.artifacts || options.skins.length + options.failures.length === 0) throw new Error("usage: render-check.mjs --artifacts DIR --skin NAME FOLDER WSZ ...");
  return options;
}

let passed = 0, failed = 0;
function report(skinName, name, problem) {
  if (problem) {
    ++failed;
    console.log(`FAIL ${skinName}: ${name}: ${problem}`);
  } else {
    ++passed;
    console.log(`ok   ${skinName}: ${name}`);
  }
}

function runChecks(entry, skin, checks, png) {
  const screen = decodePng(png);
  runChecksOn(entry, skin, checks, screen);
  return screen;
}

function runChecksOn(entry, skin, checks, screen) {
  for (const check of checks) {
    let problem;
    try {
      problem = runCheck(check, skin, screen);
    } catch (error) {
      problem = error.message;
    }
    report(entry.name, `${check.window}: ${check.name}`, problem);
  }
}

// Three states: at rest after loading, each control held down, and paused at 0:00.
async function checkSession(entry, skin, session, artifacts) {
  const { windows, state } = await session.layout();
  const shown = ["main", "equalizer", "playlist"].filter((w) => windows[w]);
  report(entry.name, "main, equalizer and playlist windows shown", shown.length === 3 ? null : `only ${shown.join(", ")}`);
  if (!windows.main) return;
  const atRest = runChecks(entry, skin, buildChecks(skin, windows, state, tracks.length), await session.screenshot(join(artifacts, `${entry.name}.png`)));
  // One picture of every pressed sprite in its place: each pressed rectangle is pasted into a copy
  // of the screenshot at rest.
  const pressedSheet = new RgbImage(atRest.width, atRest.height, atRest.data.slice());
  for (const control of pressedControls) {
    const origin = windows[control.window];
    if (!origin) continue;
    const check = { window: control.window, origin, ...control.check };
    const shot = decodePng(await session.pressed(origin.left + control.at[0], origin.top + control.at[1]));
    runChecksOn(entry, skin, [check], shot);
    const [x, y, w, h] = check.rect;
    for (let row = origin.top + y; row < origin.top + y + h; ++row)
      for (let column = origin.left + x; column < origin.left + x + w; ++column) pressedSheet.setPixel(column, row, shot.pixel(column, row));
  }
  writeFileSync(join(artifacts, `${entry.name}-pressed.png`), encodePng(pressedSheet));
  const status = await session.pauseAtStart();
  report(entry.name, "the first track plays and pauses", status === "PAUSED" ? null : `media status ${status}`);
  const paused = await session.layout();
  runChecks(entry, skin, pausedChecks(skin, paused.windows, paused.state), await session.screenshot(join(artifacts, `${entry.name}-paused.png`)));
  report(entry.name, "Webamp runs the skin without errors", session.complaints.length ? session.complaints.join(" | ") : null);
}

async function checkShaded(entry, skin, browser, server, artifacts) {
  let session;
  try {
    session = await openSkin(browser.context, server.origin, `/skins/${encodeURIComponent(entry.name)}.wsz`, shadedLayout);
  } catch (error) {
    report(entry.name, "Webamp renders the skin in shade mode", error.message.split("\n")[0]);
    return;
  }
  try {
    const { windows, state } = await session.layout();
    runChecks(entry, skin, shadedChecks(skin, windows, state), await session.screenshot(join(artifacts, `${entry.name}-shaded.png`)));
    report(entry.name, "Webamp shows shade mode without errors", session.complaints.length ? session.complaints.join(" | ") : null);
  } finally {
    await session.close();
  }
}

// The checks that must fail on a skin made wrong: the playlist's current track drawn in its
// background colour (missing) and the next one in another colour, and TEXT.BMP with no ink.
const mustFail = [/^track 1 text/, /^track 2 text/, /^song title drawn/];

async function checkWrong(entry, browser, server, artifacts) {
  const right = loadSkinFolder(entry.right);
  const session = await openSkin(browser.context, server.origin, `/skins/${encodeURIComponent(entry.name)}.wsz`, layout);
  try {
    const { windows, state } = await session.layout();
    const checks = buildChecks(right, windows, state, tracks.length).filter((check) => mustFail.some((name) => name.test(check.name)));
    report(entry.name, `${mustFail.length} text checks found`, checks.length === mustFail.length ? null : `found ${checks.length}`);
    const screen = decodePng(await session.screenshot(join(artifacts, `${entry.name}.png`)));
    for (const check of checks) {
      const problem = runCheck(check, right, screen);
      report(entry.name, `${check.window}: ${check.name} fails (${problem ?? "-"})`, problem ? null : "passed on a skin made wrong");
    }
  } finally {
    await session.close();
  }
}

async function main() {
  const options = parseArguments(process.argv.slice(2));
  for (const failure of options.failures) report("setup", failure, "failed");
  if (options.skins.length === 0) return;
  mkdirSync(options.artifacts, { recursive: true });
  const server = await startServer(new Map([...options.skins, ...options.wrong].map((s) => [s.name, s.wsz])));
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

      let session;
      try {
        session = await openSkin(browser.context, server.origin, `/skins/${encodeURIComponent(entry.name)}.wsz`, layout);
      } catch (error) {
        report(entry.name, "Webamp renders the skin", error.message.split("\n")[0]);
        continue;
      }
      try {
        await checkSession(entry, skin, session, options.artifacts);
      } finally {
        await session.close();
      }
      await checkShaded(entry, skin, browser, server, options.artifacts);
      console.log(`     ${entry.name}: screenshots ${join(options.artifacts, entry.name)}{,-pressed,-paused,-shaded}.png`);
    }
    for (const entry of options.wrong) await checkWrong(entry, browser, server, options.artifacts);
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
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
