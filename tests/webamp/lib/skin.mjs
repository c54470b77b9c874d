// A skin folder as written by tolvarin: its bitmaps decoded and its PLEDIT.TXT colours.
import { existsSync, readdirSync, readFileSync } from "node:fs";
import { join } from "node:path";
import { decodeBmp } from "./bmp.mjs";

// PLEDIT.TXT is read the way Webamp reads it: the [Text] section, keys without regard to case,
// ';' comment lines, "#RRGGBB" values.
export function parsePleditTxt(text) {
  const colors = {};
  let inText = false;
  for (const rawLine of text.split(/\r?\n/)) {
    const line = rawLine.trim();
    if (line === "" || line.startsWith(";")) continue;
    const section = /^\[(.*)\]$/.exec(line);
    if (section) {
      inText = section[1].toLowerCase() === "text";
      continue;
    }
    const pair = /^([^=]+)=\s*#?([0-9a-fA-F]{6})/.exec(line);
    if (inText && pair) {
      const value = parseInt(pair[2], 16);
      colors[pair[1].trim().toLowerCase()] = [value >> 16, (value >> 8) & 255, value & 255];
    }
  }
  return colors;
}

// VISCOLOR.TXT the way Webamp reads it: each line that starts with three numbers is the next colour.
export function parseVisColorTxt(text) {
  const colors = [];
  for (const line of text.split("\n")) {
    const match = /^\s*(\d+)\s*,?\s*(\d+)\s*,?\s*(\d+)/.exec(line);
    if (match) colors.push([Number(match[1]), Number(match[2]), Number(match[3])]);
  }
  return colors;
}

export function loadSkinFolder(folder) {
  const bitmaps = {};
  const files = existsSync(folder) ? readdirSync(folder) : [];
  for (const file of files) {
    if (/\.bmp$/i.test(file)) bitmaps[file.toUpperCase()] = decodeBmp(readFileSync(join(folder, file)), join(folder, file));
  }
  const pledit = files.find((file) => file.toUpperCase() === "PLEDIT.TXT");
  const viscolor = files.find((file) => file.toUpperCase() === "VISCOLOR.TXT");
  return {
    folder,
    files,
    bitmaps,
    pledit: pledit ? parsePleditTxt(readFileSync(join(folder, pledit), "latin1")) : null,
    viscolor: viscolor ? parseVisColorTxt(readFileSync(join(folder, viscolor), "latin1")) : null,
  };
}
