// The browser edition used as a person uses it (Debian's Chromium, playwright-core), held against
// the native command line: for each row of the table, the page's preview pixels must be those of
// `tolvarin preview` and the files of the .wsz it downloads those of `tolvarin make --wsz`, with
// the same picture and settings; Webamp on the page must show the skin. Then a profile round trip,
// a picture that cannot be read and a value a field does not take.
//   node web-check.mjs --cli TOLVARIN --serve SERVE_MJS --site SITE_FOLDER --artifacts DIR --sample BMP
//                      --jpeg JPG --png PNG --profile INI
// The site is served by the page's own server (web/serve.mjs) on a free port.
// Prints one line per check and "N passed, N failed" last; a check that never ran counts as failed.
import { execFileSync, spawn, spawnSync } from "node:child_process";
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { basename, join, resolve } from "node:path";
import { launchBrowser, readWindows } from "./lib/browser.mjs";
import { decodeBmp } from "./lib/bmp.mjs";
import { buildChecks, runCheck } from "./lib/checks.mjs";
import { decodePng } from "./lib/png.mjs";
import { loadSkinFolder } from "./lib/skin.mjs";

const options = {};
for (let i = 2; i < process.argv.length; i += 2) options[process.argv[i].replace(/^--/, "")] = resolve(process.argv[i + 1]);
const work = mkdtempSync(join(tmpdir(), "tolvarin-web-"));
mkdirSync(options.artifacts, { recursive: true });

// name, picture, profile, the --set changes typed into the page's fields, complete skin. The font
// name holds two characters with a second code page 932 code, which both must write alike.
const rows = [
  { name: "sample", picture: options.sample, changes: {}, complete: false },
  {
    name: "jpeg-typed",
    picture: options.jpeg,
    changes: { Opacity: "40", Color_R: "12", FullSize: "0", "MARON.Use": "0", VisColorG05: "200", PlFont: "ＭＳ ゴシック 纊ⅰ" },
    complete: false,
  },
  { name: "png-profile-complete", picture: options.png, profile: options.profile, changes: { SkinLine: "0", SkinReverse: "1" }, complete: true },
];
const planned = rows.length * 3 + 5;
let passed = 0;
let failed = 0;
function check(name, problem) {
  if (problem) {
    ++failed;
    console.log(`not ok - ${name}: ${problem}`);
  } else {
    ++passed;
    console.log(`ok - ${name}`);
  }
}

const cli = (args, input) => execFileSync(options.cli, args, { input, maxBuffer: 1 << 26, env: { ...process.env, LC_ALL: "ja_JP.UTF-8" } });
const cliSets = (row) => [
  ...(row.profile ? ["--settings", row.profile] : []),
  ...Object.entries(row.changes).flatMap(([key, value]) => ["--set", `${key}=${value}`]),
  ...(row.complete ? ["--complete"] : []),
];

function firstDifference(a, b) {
  if (a.length !== b.length) return `${a.length} bytes, expected ${b.length}`;
  for (let i = 0; i < a.length; ++i) if (a[i] !== b[i]) return `byte ${i} is ${a[i]}, expected ${b[i]}`;
  return null;
}

// The canvas as RGB rows from the top, the layout of the bitmap reader's images.
async function canvasPixels(page) {
  const rgba = await page.evaluate(() => {
    const canvas = document.getElementById("preview");
    return Array.from(canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data);
  });
  return Uint8Array.from(rgba.filter((_, i) => i % 4 !== 3));
}

function folderFiles(folder) {
  return Object.fromEntries(readdirSync(folder).sort().map((name) => [name, readFileSync(join(folder, name))]));
}

function compareFolders(got, want) {
  const names = (files) => Object.keys(files).join(" ");
  if (names(got) !== names(want)) return `files ${names(got)}, expected ${names(want)}`;
  for (const name of Object.keys(want)) {
    const difference = firstDifference(got[name], want[name]);
    if (difference) return `${name}: ${difference}`;
  }
  return null;
}

async function download(page, selector, folder) {
  const [file] = await Promise.all([page.waitForEvent("download"), page.click(selector)]);
  const path = join(folder, file.suggestedFilename());
  await file.saveAs(path);
  return path;
}

const waitForWebamp = (page, picture) =>
  page.waitForFunction((name) => document.body.dataset.skinPicture === name, picture, { timeout: 30000 });

// The server prints its address first.
const server = spawn("node", [options.serve, options.site, "0"], { stdio: ["ignore", "pipe", "inherit"] });
const origin = await new Promise((resolve, reject) => {
  server.stdout.once("data", (line) => resolve(String(line).trim()));
  server.once("exit", (code) => reject(new Error(`the page's server ended (${code})`)));
});
const browser = await launchBrowser();
const page = await browser.context.newPage();
await page.setViewportSize({ width: 1400, height: 1100 });
const complaints = [];
page.on("pageerror", (error) => complaints.push(`page error: ${error.message}`));
try {
  await page.goto(origin, { waitUntil: "load" });
  await page.waitForSelector("body[data-ready=true]", { timeout: 60000 });

  for (const row of rows) {
    const folder = join(work, row.name);
    mkdirSync(folder);
    if (row.profile) await page.setInputFiles('input[name="profile"]', row.profile);
    await page.setChecked('input[name="complete"]', row.complete);
    for (const [key, value] of Object.entries(row.changes)) {
      const field = page.locator(`[name="${key}"]`);
      if ((await field.getAttribute("type")) === "checkbox") await field.setChecked(value === "1");
      else await field.fill(value);
    }
    await page.setInputFiles('input[name="picture"]', row.picture);
    await page.waitForFunction((name) => document.body.dataset.picture === name, basename(row.picture));

    const preview = decodeBmp(cli(["preview", row.picture, "-", ...cliSets(row)]), "tolvarin preview");
    check(`${row.name}: the preview shows what tolvarin preview writes`, firstDifference(await canvasPixels(page), preview.data));

    await page.fill('input[name="skinName"]', row.name);
    const wsz = await download(page, "#download", folder);
    const unpacked = join(folder, "page");
    spawnSync("unzip", ["-q", "-o", wsz, "-d", unpacked]);
    cli(["make", row.picture, join(folder, "cli"), "--wsz", ...cliSets(row)]);
    check(`${row.name}: ${basename(wsz)} holds the files of tolvarin make --wsz`, compareFolders(folderFiles(unpacked), folderFiles(join(folder, "cli"))));

    await waitForWebamp(page, basename(row.picture));
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    const { windows, state } = await page.evaluate(readWindows);
    const shot = await page.screenshot({ path: join(options.artifacts, `${row.name}.png`) });
    const screen = decodePng(shot);
    const skin = loadSkinFolder(join(folder, "cli"));
    const wrong = buildChecks(skin, { main: windows.main }, state, 0)
      .map((c) => [c.name, runCheck(c, skin, screen)])
      .filter(([, problem]) => problem);
    check(`${row.name}: Webamp on the page shows the skin's main window`, windows.main ? wrong.map((w) => w.join(": ")).join("; ") : "no main window");
  }

  // The profile read by the page and saved again: byte for byte what `tolvarin settings` writes
  // from the same profile; and every key the profile holds has its field, named as --set names it.
  const saved = await download(page, "#save-profile", work);
  const written = join(work, "cli.ini");
  cli(["settings", written, "--settings", options.profile, "--set", "SkinLine=0", "--set", "SkinReverse=1"]);
  check("the saved profile is what tolvarin settings writes", firstDifference(readFileSync(saved), readFileSync(written)));
  const keys = readFileSync(written, "latin1").split(/\r\n/).filter((line) => line.includes("=")).map((line) => line.split("=")[0]).sort();
  const names = (await page.$$eval("#settings [name]", (inputs) => inputs.map((input) => input.name))).map((name) => name.replace(/^.*\./, "")).sort();
  check("every key of the profile has its field", keys.join(" ") === names.join(" ") ? null : `fields ${names.join(" ")}; keys ${keys.join(" ")}`);

  // A picture cut short: the command line's reason on the page, and the skin before it stays.
  const before = await canvasPixels(page);
  const cut = join(work, "cut.bmp");
  writeFileSync(cut, readFileSync(options.sample).subarray(0, 1000));
  const reason = spawnSync(options.cli, ["make", "cut.bmp", "cut"], { cwd: work, encoding: "utf8", env: { ...process.env, LC_ALL: "C" } }).stderr.trim().replace(/^tolvarin: /, "");
  await page.setInputFiles('input[name="picture"]', cut);
  await page.waitForSelector("#message:not([hidden])");
  const shown = await page.textContent("#message");
  const kept = firstDifference(await canvasPixels(page), before);
  check("a picture cut short shows the command line's reason and keeps the skin", !shown.includes(reason) ? `the page says ${JSON.stringify(shown)}, the command line ${JSON.stringify(reason)}` : kept);

  // A value out of its field's range is refused there and changes nothing.
  await page.fill('[name="Opacity"]', "999");
  const refused = await page.getAttribute('[name="Opacity"]', "aria-invalid");
  check("a value out of range is refused by its field", refused === "true" ? firstDifference(await canvasPixels(page), before) : "the field took it");

  await page.click("#language");
  const english = await page.textContent("#download");
  await page.screenshot({ path: join(options.artifacts, "english.png") });
  check("the English switch", english === "Download .wsz" ? (complaints.join("; ") || null) : `the download button says ${english}`);
} catch (error) {
  if (process.env.TOLVARIN_WEB_DEBUG) console.error(error);
  check("the page runs to the end", `${error.message.split("\n")[0]}${complaints.length ? ` (${complaints.join("; ")})` : ""}`);
} finally {
  await browser.close();
  server.kill();
  rmSync(work, { recursive: true, force: true });
}
failed += Math.max(0, planned - passed - failed);
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
