// Renders tolvarin skins in Webamp (Debian's Chromium) and compares the screenshot with the
// skin's own bitmaps. Usage:
//   node render-check.mjs --artifacts DIR --skin NAME FOLDER WSZ [--skin NAME FOLDER WSZ ...]
//                         [--complete-skin NAME FOLDER WSZ ...]
//                         [--wrong NAME WSZ RIGHT_FOLDER] [--failure TEXT]
// A complete skin (made with --complete) is also put through the table of sprite states.
// --failure carries the failures of earlier steps (making the skins) into the one count.
// --wrong names a skin made to be wrong: its texts are missing or in other colours than those of
// RIGHT_FOLDER's skin. The text checks, expecting RIGHT_FOLDER's colours, must fail on it.
// Prints one line per check and "N passed, N failed"; exits 1 when anything failed.
import { mkdirSync, mkdtempSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { launchAudacious } from "./lib/audacious.mjs";
import { RgbImage } from "./lib/bmp.mjs";
import { launchBrowser, openSkin } from "./lib/browser.mjs";
import { buildChecks, differingPixels, pausedChecks, pressedControls, region, runCheck, shadedChecks, sprite, spriteStates } from "./lib/checks.mjs";
import { decodePng, encodePng } from "./lib/png.mjs";
import { startServer } from "./lib/server.mjs";
import { loadSkinFolder } from "./lib/skin.mjs";
import { silentWav } from "./lib/wav.mjs";

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
    else if ((argv[i] === "--skin" || argv[i] === "--complete-skin") && i + 3 < argv.length) {
      options.skins.push({ name: argv[i + 1], folder: argv[i + 2], wsz: argv[i + 3], complete: argv[i] === "--complete-skin" });
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

// A complete skin's moving parts in every state of the table; the crops of each sprite's states go
// side by side into one row of NAME-states.png, and NAME-moved.png shows the windows in the last.
async function checkSpriteStates(entry, skin, session, windows, artifacts, player = "") {
  const name = entry.name + player;
  const rows = [];
  for (const row of spriteStates) {
    const origin = windows[row.window];
    const under = skin.bitmaps[row.under];
    if (!origin || !under) {
      report(name, `${row.sprite} states`, `no ${origin ? row.under : row.window + " window"}`);
      continue;
    }
    const [x, y, w, h] = row.rect;
    const cut = (image, left, top) => Array.from({ length: w * h }, (_, i) => image.pixel(left + x + (i % w), top + y + Math.floor(i / w)));
    const background = cut(under, 0, 0);
    const shown = [];
    for (const [label, state] of row.states) {
      let shot;
      try {
        shot = decodePng(await session.setState(state));
      } catch (error) {
        report(name, `${row.sprite} ${label} set`, error.message.split("\n")[0]);
        continue;
      }
      const pixels = cut(shot, origin.left, origin.top);
      const apart = differingPixels(pixels, background);
      report(name, `${row.sprite} ${label} stands out from ${row.under}`, apart >= row.least ? null : `only ${apart} pixels differ`);
      for (const earlier of shown) {
        const changed = differingPixels(pixels, earlier.pixels);
        report(name, `${row.sprite} ${earlier.label} -> ${label} changes on screen`, changed >= row.least ? null : `only ${changed} pixels change`);
      }
      shown.push({ label, pixels });
    }
    rows.push({ w, h, shown });
  }
  const width = Math.max(1, ...rows.map((r) => (r.w + 4) * r.shown.length));
  const sheet = new RgbImage(width, rows.reduce((sum, r) => sum + r.h + 4, 0));
  let top = 0;
  for (const r of rows) {
    r.shown.forEach(({ pixels }, k) => pixels.forEach((p, i) => sheet.setPixel(k * (r.w + 4) + (i % r.w), top + Math.floor(i / r.w), p)));
    top += r.h + 4;
  }
  writeFileSync(join(artifacts, `${name}-states.png`), encodePng(sheet));
  await session.screenshot(join(artifacts, `${name}-moved.png`));
}

// The same skin in Audacious: its title bars show that it took the skin, then the state table.
async function checkAudacious(entry, skin, audacious, track, artifacts) {
  const name = `${entry.name}-audacious`;
  await inSession(name, "Audacious shows the skin", () => audacious.open(entry.folder, track), async (session) => {
    const screen = decodePng(await session.screenshot(join(artifacts, `${name}.png`)));
    runChecksOn({ name }, skin, [
      // Audacious draws the title bar's buttons from their own sprites.
      { window: "main", origin: session.windows.main, ...region("title bar = TITLEBAR (27,0)", [0, 0, 275, 14], sprite("TITLEBAR.BMP", 27, 0), [[6, 3, 9, 9], [244, 3, 29, 9]]) },
      { window: "equalizer", origin: session.windows.equalizer, ...region("title bar = EQMAIN (0,134)", [0, 0, 275, 14], sprite("EQMAIN.BMP", 0, 134)) },
    ], screen);
    await checkSpriteStates(entry, skin, session, session.windows, artifacts, "-audacious");
  });
}

// The skin's archive as the test server serves it.
const wszPath = (entry) => `/skins/${encodeURIComponent(entry.name)}.wsz`;

// Opens a session and hands it to `use`, closing it after; one that does not open is a failure of
// the check `what`, and the answer is false.
async function inSession(name, what, open, use) {
  let session;
  try {
    session = await open();
  } catch (error) {
    report(name, what, error.message.split("\n")[0]);
    return false;
  }
  try {
    await use(session);
  } finally {
    await session.close();
  }
  return true;
}

async function checkShaded(entry, skin, browser, server, artifacts) {
  await inSession(entry.name, "Webamp renders the skin in shade mode", () => openSkin(browser.context, server.origin, wszPath(entry), shadedLayout), async (session) => {
    const { windows, state } = await session.layout();
    runChecks(entry, skin, shadedChecks(skin, windows, state), await session.screenshot(join(artifacts, `${entry.name}-shaded.png`)));
    report(entry.name, "Webamp shows shade mode without errors", session.complaints.length ? session.complaints.join(" | ") : null);
  });
}

// The checks that must fail on a skin made wrong: the playlist's current track drawn in its
// background colour (missing) and the next one in another colour, and TEXT.BMP with no ink.
const mustFail = [/^track 1 text/, /^track 2 text/, /^song title drawn/];

async function checkWrong(entry, browser, server, artifacts) {
  const right = loadSkinFolder(entry.right);
  await inSession(entry.name, "Webamp renders the skin made wrong", () => openSkin(browser.context, server.origin, wszPath(entry), layout), async (session) => {
    const { windows, state } = await session.layout();
    const checks = buildChecks(right, windows, state, tracks.length).filter((check) => mustFail.some((name) => name.test(check.name)));
    report(entry.name, `${mustFail.length} text checks found`, checks.length === mustFail.length ? null : `found ${checks.length}`);
    const screen = decodePng(await session.screenshot(join(artifacts, `${entry.name}.png`)));
    for (const check of checks) {
      const problem = runCheck(check, right, screen);
      report(entry.name, `${check.window}: ${check.name} fails (${problem ?? "-"})`, problem ? null : "passed on a skin made wrong");
    }
  });
}

async function main() {
  const options = parseArguments(process.argv.slice(2));
  for (const failure of options.failures) report("setup", failure, "failed");
  if (options.skins.length === 0) return;
  mkdirSync(options.artifacts, { recursive: true });
  const server = await startServer(new Map([...options.skins, ...options.wrong].map((s) => [s.name, s.wsz])));
  const browser = await launchBrowser();
  const work = mkdtempSync(join(tmpdir(), "tolvarin-audacious-"));
  const track = join(work, "silence.wav");
  writeFileSync(track, silentWav(60));
  const audacious = await launchAudacious(work);
  if (audacious.problem) report("setup", "Audacious can run", audacious.problem);
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

      const opened = await inSession(entry.name, "Webamp renders the skin", () => openSkin(browser.context, server.origin, wszPath(entry), layout), async (session) => {
        await checkSession(entry, skin, session, options.artifacts);
        if (entry.complete) await checkSpriteStates(entry, skin, session, (await session.layout()).windows, options.artifacts);
      });
      if (!opened) continue;
      await checkShaded(entry, skin, browser, server, options.artifacts);
      if (entry.complete && !audacious.problem) await checkAudacious(entry, skin, audacious, track, options.artifacts);
      console.log(`     ${entry.name}: screenshots ${join(options.artifacts, entry.name)}{,-pressed,-paused,-shaded}.png`);
    }
    for (const entry of options.wrong) await checkWrong(entry, browser, server, options.artifacts);
  } finally {
    await browser.close();
    await server.close();
    if (!audacious.problem) await audacious.close();
    rmSync(work, { recursive: true, force: true });
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
