// The page: a picture and settings in, the preview, the skin in Webamp and the .wsz out. Every
// step of making the skin is the WebAssembly module's (the command line's own code); this file
// only moves bytes between it and the page.
import loadTolvarin from "./tolvarin.mjs";
import Webamp from "./webamp.mjs";
import { decodeCp932, encodeCp932 } from "./cp932.mjs";
import { colorPart, groups, otherGroup } from "./layout.mjs";

const module = await loadTolvarin();
const session = new module.Session();
const form = document.getElementById("settings");
const canvas = document.getElementById("preview");
const message = document.getElementById("message");
const downloadButton = document.getElementById("download");
let language = new URLSearchParams(location.search).get("lang") === "en" ? "en" : "ja";
let pictureName = null;

// --- language ------------------------------------------------------------------------------------
function showLanguage() {
  document.documentElement.lang = language;
  for (const element of document.querySelectorAll("[data-ja]")) element.textContent = element.dataset[language];
}
document.getElementById("language").addEventListener("click", () => {
  language = language === "ja" ? "en" : "ja";
  showLanguage();
});

function showMessage(ja, detail) {
  // The module's reasons are the command line's, in English; the Japanese page says what failed first.
  const core = decodeCp932(session.takeMessages()).trim();
  const lines = [language === "ja" ? ja : null, detail, core || null].filter(Boolean);
  message.textContent = lines.join("\n");
  message.hidden = lines.length === 0;
}
const clearMessage = () => {
  message.hidden = true;
  message.textContent = "";
};

// --- the settings form ---------------------------------------------------------------------------
function label(text) {
  const span = document.createElement("span");
  span.dataset.ja = text.ja;
  span.dataset.en = text.en;
  return span;
}

function numberInput(field) {
  const input = document.createElement("input");
  input.type = "number";
  input.name = field.name;
  input.min = field.lowest;
  input.max = field.highest;
  input.step = 1;
  return input;
}

// One control per field, built from the module's list: a check box for a flag, a number box for an
// integer or a colour component (with one colour picker for the three), a text box for the font.
function buildForm() {
  const sections = [...groups, otherGroup].map((group) => {
    const fieldset = document.createElement("fieldset");
    const legend = document.createElement("legend");
    legend.append(label(group));
    fieldset.append(legend);
    return { group, fieldset };
  });
  const colors = new Map();
  for (const field of session.fields()) {
    const part = colorPart(field);
    const id = part ? part.color : field.name;
    const place = sections.find(({ group }) => id in group.items) ?? sections.at(-1);
    const text = place.group.items[id] ?? { ja: id, en: id };
    if (part) {
      let row = colors.get(part.color);
      if (!row) {
        row = document.createElement("div");
        row.className = "field color";
        const picker = document.createElement("input");
        picker.type = "color";
        picker.dataset.color = part.color;
        picker.title = part.color;
        row.append(label(text), picker);
        place.fieldset.append(row);
        colors.set(part.color, row);
      }
      const input = numberInput(field);
      input.dataset.color = part.color;
      input.title = field.name;
      row.append(input);
      continue;
    }
    const row = document.createElement("label");
    row.className = "field";
    let input;
    if (field.kind === "flag") {
      input = document.createElement("input");
      input.type = "checkbox";
      input.name = field.name;
    } else if (field.kind === "text") {
      input = document.createElement("input");
      input.type = "text";
      input.name = field.name;
    } else {
      input = numberInput(field);
    }
    input.title = field.name;
    row.append(label(text), input);
    place.fieldset.append(row);
  }
  for (const { fieldset } of sections) if (fieldset.children.length > 1) form.append(fieldset);
}

const hex = (n) => n.toString(16).padStart(2, "0");

// Puts the settings as the module holds them (repairs included) into the controls.
function showSettings() {
  for (const field of session.fields()) {
    const input = form.elements.namedItem(field.name);
    input.removeAttribute("aria-invalid");
    if (field.kind === "flag") input.checked = field.value !== 0;
    else if (field.kind === "text") input.value = decodeCp932(field.bytes);
    else input.value = field.value;
  }
  for (const picker of form.querySelectorAll('input[type="color"]')) {
    const parts = [...form.querySelectorAll(`input[type="number"][data-color="${picker.dataset.color}"]`)];
    picker.value = "#" + parts.map((input) => hex(Number(input.value))).join("");
  }
}

// Sets each [name, value] in turn, then shows and recomposes once; a value refused is marked on its
// field, and the changes before it stay.
function change(...changes) {
  for (const [name, value] of changes) {
    const bytes = encodeCp932(value);
    if (bytes === null || !session.set(name, bytes)) {
      form.elements.namedItem(name).setAttribute("aria-invalid", "true");
      showMessage(`「${name}」にこの値は使えません。`, `${name}: the value ${JSON.stringify(value)} is not one it takes`);
      return;
    }
  }
  clearMessage();
  showSettings();
  refresh();
}

form.addEventListener("input", (event) => {
  const input = event.target;
  if (input.type === "checkbox") change([input.name, input.checked ? "1" : "0"]);
  else if (input.type === "color") {
    const channels = input.value.slice(1).match(/../g).map((h) => String(parseInt(h, 16)));
    const parts = form.querySelectorAll(`input[type="number"][data-color="${input.dataset.color}"]`);
    change(...[...parts].map((part, i) => [part.name, channels[i]]));
  } else if (input.value !== "" || input.type === "text") change([input.name, input.value]);
});
form.addEventListener("submit", (event) => event.preventDefault());

// --- preview, Webamp and downloads -----------------------------------------------------------------
const context = canvas.getContext("2d");
function drawPreview() {
  const pixels = session.preview();
  if (pixels) context.putImageData(new ImageData(pixels, canvas.width, canvas.height), 0, 0);
}

function skinName() {
  const name = document.querySelector('input[name="skinName"]').value.trim();
  return name.replace(/[\\/:*?"<>|]/g, "_") || "Tolvarin";
}

function wszBlob() {
  const archive = session.wsz();
  if (typeof archive === "string") {
    showMessage("スキンを作れませんでした。", archive);
    return null;
  }
  return new Blob([archive], { type: "application/zip" });
}

// Webamp reloads the skin at most a few times a second, however fast the settings change: a change
// while a reload waits is taken by that reload, which reads the settings when it runs. Reloads run
// one after the other.
const webampStage = document.getElementById("webamp-stage");
const reloadGap = 300; // ms
let webamp = null;
let skinUrl = null;
let reloadTimer = null;
let lastReload = -Infinity;
let reloads = Promise.resolve();
async function reloadWebamp() {
  const blob = wszBlob();
  if (!blob) return;
  const picture = pictureName;
  const previous = skinUrl;
  skinUrl = URL.createObjectURL(blob);
  if (!webamp) {
    webamp = new Webamp({
      initialSkin: { url: skinUrl },
      enableHotkeys: false,
      windowLayout: {
        main: { position: { top: 0, left: 0 } },
        equalizer: { position: { top: 116, left: 0 } },
        playlist: { position: { top: 0, left: 275 }, size: { extraHeight: 4, extraWidth: 0 } },
      },
    });
    window.webamp = webamp;
    await webamp.renderWhenReady(webampStage);
  } else {
    webamp.setSkinFromUrl(skinUrl);
  }
  await webamp.skinIsLoaded();
  if (previous) URL.revokeObjectURL(previous);
  // For the tests: which picture's skin Webamp shows.
  document.body.dataset.skinPicture = picture;
}
function scheduleWebamp() {
  if (reloadTimer) return;
  reloadTimer = setTimeout(() => {
    reloadTimer = null;
    lastReload = performance.now();
    reloads = reloads.then(reloadWebamp).catch((error) => showMessage("Webamp がスキンを読めませんでした。", String(error)));
  }, Math.max(0, lastReload + reloadGap - performance.now()));
}

function refresh() {
  drawPreview();
  if (pictureName) scheduleWebamp();
}

function download(blob, name) {
  const link = document.createElement("a");
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}

downloadButton.addEventListener("click", () => {
  const blob = wszBlob();
  if (blob) download(blob, `${skinName()}.wsz`);
});
document.getElementById("save-profile").addEventListener("click", () => {
  download(new Blob([session.profileText()], { type: "text/plain" }), `${skinName()}.ini`);
});
document.querySelector('input[name="complete"]').addEventListener("change", (event) => {
  session.setComplete(event.target.checked);
  refresh();
});

// --- files in ------------------------------------------------------------------------------------
async function openPicture(file) {
  const problem = session.openPicture(file.name, new Uint8Array(await file.arrayBuffer()));
  if (problem) {
    showMessage(`「${file.name}」を画像として読めませんでした。`, problem);
    return;
  }
  clearMessage();
  pictureName = file.name;
  const base = file.name.replace(/\.[^.]*$/, "");
  if (base) document.querySelector('input[name="skinName"]').value = base;
  downloadButton.disabled = false;
  document.body.dataset.picture = file.name;
  refresh();
}

async function loadProfile(file) {
  const problem = session.loadProfile(file.name, new Uint8Array(await file.arrayBuffer()));
  if (problem) {
    showMessage(`「${file.name}」を設定ファイルとして読めませんでした。`, problem);
    return;
  }
  clearMessage();
  showSettings();
  refresh();
}

document.querySelector('input[name="picture"]').addEventListener("change", (event) => {
  if (event.target.files[0]) openPicture(event.target.files[0]);
});
document.querySelector('input[name="profile"]').addEventListener("change", (event) => {
  if (event.target.files[0]) loadProfile(event.target.files[0]);
});
for (const type of ["dragenter", "dragover"])
  document.addEventListener(type, (event) => {
    event.preventDefault();
    document.body.classList.add("dropping");
  });
document.addEventListener("dragleave", () => document.body.classList.remove("dropping"));
document.addEventListener("drop", (event) => {
  event.preventDefault();
  document.body.classList.remove("dropping");
  const file = event.dataTransfer.files[0];
  if (file) /\.ini$/i.test(file.name) ? loadProfile(file) : openPicture(file);
});

buildForm();
showLanguage();
showSettings();
drawPreview();
document.body.dataset.ready = "true";
