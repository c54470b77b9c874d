// What Webamp must show for a tolvarin skin in the state the page renders it: stopped, nothing
// pressed, equalizer on, shuffle and repeat off, volume 75 %, balance centred, main window focused.
// Every check compares a rectangle of the screenshot (window coordinates) with the pixels of the
// skin bitmap that Webamp is expected to draw there.

export const pageColor = [255, 0, 254]; // index.html's background; never part of a skin window
const tolerance = 2; // per channel; the browser draws sprites unscaled, so this is headroom only

// Antialiased text mixes its colour with the background: each of its pixels lies on the straight
// line from the background colour to the text colour, at the glyph's coverage. So text is found
// whatever the font (its face, weight and hinting decide only how many pixels and how much
// coverage): a pixel at least this far along the line and this close to it (RGB distance) is
// text. Missing text leaves only background; text of another colour leaves the line.
const strokeCoverage = 0.5;
const strokeDistance = 24;
const strokePixels = 10; // any track title has far more stroke pixels than this
const strokeContrast = 64; // below this distance from the background, text cannot be told apart

const near = (a, b) => Math.abs(a[0] - b[0]) <= tolerance && Math.abs(a[1] - b[1]) <= tolerance && Math.abs(a[2] - b[2]) <= tolerance;
const hex = ([r, g, b]) => "#" + [r, g, b].map((v) => v.toString(16).padStart(2, "0")).join("");
const inside = (x, y, [rx, ry, rw, rh]) => x >= rx && x < rx + rw && y >= ry && y < ry + rh;

// The sprite at (sx, sy) of a bitmap, tiled across the rectangle when the rectangle is larger
// (as Webamp's CSS repeats playlist tiles); `tile` gives the sprite's size.
export function sprite(file, sx, sy, tile) {
  return { file, sx, sy, tile };
}

// One check: the pixels of `rect` must match `expect`, except those inside any of `skip`.
export function region(name, rect, expect, skip = []) {
  return { name, rect, expect, skip };
}

function mainWindowChecks(skin, state) {
  const checks = [
    region("title bar = TITLEBAR " + (state.mainSelected ? "active (27,0)" : "inactive (27,15)"), [0, 0, 275, 14], sprite("TITLEBAR.BMP", 27, state.mainSelected ? 0 : 15)),
    region("clutter bar = TITLEBAR (304,0)", [10, 22, 8, 43], sprite("TITLEBAR.BMP", 304, 0)),
    region("stopped glyph = PLAYPAUS (18,0)", [26, 28, 9, 9], sprite("PLAYPAUS.BMP", 18, 0)),
    region("status filler shows MAIN (24,28)", [24, 28, 2, 9], sprite("MAIN.BMP", 24, 28)),
    region("mono, dark = MONOSTER (29,12)", [212, 41, 27, 12], sprite("MONOSTER.BMP", 29, 12)),
    region("stereo, dark = MONOSTER (0,12)", [239, 41, 29, 12], sprite("MONOSTER.BMP", 0, 12)),
    region("EQ toggle on = SHUFREP (0,73)", [219, 58, 23, 12], sprite("SHUFREP.BMP", 0, 73)),
    region("PL toggle on = SHUFREP (23,73)", [242, 58, 23, 12], sprite("SHUFREP.BMP", 23, 73)),
    region("position track = POSBAR (0,0)", [16, 72, 248, 10], sprite("POSBAR.BMP", 0, 0)),
    region("previous = CBUTTONS (0,0)", [16, 88, 23, 18], sprite("CBUTTONS.BMP", 0, 0)),
    region("play = CBUTTONS (23,0)", [39, 88, 23, 18], sprite("CBUTTONS.BMP", 23, 0)),
    region("pause = CBUTTONS (46,0)", [62, 88, 23, 18], sprite("CBUTTONS.BMP", 46, 0)),
    region("stop = CBUTTONS (69,0)", [85, 88, 23, 18], sprite("CBUTTONS.BMP", 69, 0)),
    region("next = CBUTTONS (92,0)", [108, 88, 22, 18], sprite("CBUTTONS.BMP", 92, 0)),
    region("eject = CBUTTONS (114,0)", [136, 89, 22, 16], sprite("CBUTTONS.BMP", 114, 0)),
    region("shuffle off = SHUFREP (28,0)", [164, 89, 46, 15], sprite("SHUFREP.BMP", 28, 0)),
    region("repeat off = SHUFREP (0,0)", [210, 89, 28, 15], sprite("SHUFREP.BMP", 0, 0)),
    region("background below title = MAIN", [0, 14, 275, 8], sprite("MAIN.BMP", 0, 14)),
    region("background left of clutter bar = MAIN", [0, 22, 10, 66], sprite("MAIN.BMP", 0, 22)),
    region("background above buttons = MAIN", [0, 82, 275, 6], sprite("MAIN.BMP", 0, 82)),
    region("background right of repeat = MAIN", [238, 82, 37, 24], sprite("MAIN.BMP", 238, 82)),
    region("background bottom rows = MAIN", [0, 106, 275, 10], sprite("MAIN.BMP", 0, 106)),
  ];
  // Webamp picks volume frame (round(75*28/100)-1) = 20, at row 300; a shorter VOLUME.BMP has no
  // such frame and no thumb row, so the sprite is transparent and MAIN.BMP shows through.
  const volume = skin.bitmaps["VOLUME.BMP"];
  checks.push(volume && volume.height >= 313
    ? region("volume 75% = VOLUME (0,300)", [107, 57, 68, 13], sprite("VOLUME.BMP", 0, 300), [[107, 58, 65, 11]])
    : region("volume bar (short VOLUME.BMP) shows MAIN (107,57)", [107, 57, 68, 13], sprite("MAIN.BMP", 107, 57)));
  // A BALANCE.BMP with the thumb row has Webamp draw the thumb at the centre, 12 pixels in.
  const balance = skin.bitmaps["BALANCE.BMP"];
  checks.push(region("balance centred = BALANCE (9,0)", [177, 57, 38, 13], sprite("BALANCE.BMP", 9, 0), balance && balance.height >= 433 ? [[189, 58, 14, 11]] : []));
  checks.push({ name: "song title drawn with TEXT.BMP colours", rect: [111, 27, 154, 6], palette: ["TEXT.BMP", 0, 0, 155, 18], blank: textBlank, under: "MAIN.BMP", drawn: drawnText(20) });
  return checks;
}

function equalizerChecks(skin, state) {
  const bar = state.equalizerSelected ? 134 : 149;
  const checks = [
    region(`title bar = EQMAIN (0,${bar})`, [0, 0, 275, 14], sprite("EQMAIN.BMP", 0, bar)),
    region(`ON ${state.eqOn ? "on = EQMAIN (69,119)" : "off = EQMAIN (10,119)"}`, [14, 18, 26, 12], sprite("EQMAIN.BMP", state.eqOn ? 69 : 10, 119)),
    region("AUTO off = EQMAIN (36,119)", [40, 18, 32, 12], sprite("EQMAIN.BMP", 36, 119)),
    region("background left of ON = EQMAIN", [0, 14, 14, 102], sprite("EQMAIN.BMP", 0, 14)),
    region("background below title = EQMAIN", [0, 14, 275, 3], sprite("EQMAIN.BMP", 0, 14)),
  ];
  // Without rows 163-314 Webamp's slider, thumb, presets and graph sprites are transparent, so the
  // window background shows where they sit.
  const eqmain = skin.bitmaps["EQMAIN.BMP"];
  if (eqmain && eqmain.height < 294) {
    checks.push(region("sliders area (no slider rows in EQMAIN) = EQMAIN background", [0, 36, 275, 80], sprite("EQMAIN.BMP", 0, 36)));
    checks.push(region("graph (no graph rows in EQMAIN) = EQMAIN background", [86, 17, 113, 19], sprite("EQMAIN.BMP", 86, 17)));
    checks.push(region("presets button (no presets rows in EQMAIN) = EQMAIN background", [217, 18, 44, 12], sprite("EQMAIN.BMP", 217, 18)));
  }
  return checks;
}

// TEXT.BMP's background, where the players read it. A text check counts the pixels of the other
// TEXT.BMP colours that differ from what lies under them: the ink of the glyphs Webamp drew.
const textBlank = ["TEXT.BMP", 152, 3];
// The least ink a text of `glyphs` characters draws: the song title and the number fields show at
// least this many glyphs, and any glyph but the space has ink in two or more pixels.
const drawnText = (glyphs) => 2 * glyphs;

// The playlist is laid out by Webamp for width w = 275 + 25k and height h = 116 + 29m.
function playlistChecks(skin, state, w, h, trackCount) {
  const y = state.playlistSelected ? 0 : 21;
  const checks = [
    region(`top-left corner = PLEDIT (0,${y})`, [0, 0, 25, 20], sprite("PLEDIT.BMP", 0, y)),
    region(`title block = PLEDIT (26,${y})`, [(w - 100) / 2, 0, 100, 20], sprite("PLEDIT.BMP", 26, y)),
    region(`top-right corner = PLEDIT (153,${y})`, [w - 25, 0, 25, 20], sprite("PLEDIT.BMP", 153, y)),
    region(`top tiles left of title = PLEDIT (127,${y})`, [25, 0, (w - 150) / 2, 20], sprite("PLEDIT.BMP", 127, y, [25, 20])),
    region(`top tiles right of title = PLEDIT (127,${y})`, [(w + 100) / 2, 0, (w - 150) / 2, 20], sprite("PLEDIT.BMP", 127, y, [25, 20])),
    region("left side tiles = PLEDIT (0,42)", [0, 20, 12, h - 58], sprite("PLEDIT.BMP", 0, 42, [12, 29])),
    region("right side tiles = PLEDIT (31,42)", [w - 20, 20, 20, h - 58], sprite("PLEDIT.BMP", 31, 42, [20, 29]), [[w - 15, 20, 8, 18]]),
    region("scroll thumb = PLEDIT (52,53)", [w - 15, 20, 8, 18], sprite("PLEDIT.BMP", 52, 53)),
    region("bottom-left corner = PLEDIT (0,72)", [0, h - 38, 125, 38], sprite("PLEDIT.BMP", 0, 72)),
    region("bottom-right corner = PLEDIT (126,72)", [w - 150, h - 38, 150, 38], sprite("PLEDIT.BMP", 126, 72),
      [[w - 143, h - 28, 90, 6], [w - 84, h - 15, 31, 6]]),
    { name: "running time drawn with TEXT.BMP colours", rect: [w - 143, h - 28, 90, 6], palette: ["TEXT.BMP", 0, 0, 155, 18], blank: textBlank, under: "PLEDIT.BMP", underAt: [126 - (w - 150), 72 - (h - 38)], drawn: drawnText(8) },
  ];
  if (w >= 350) checks.push(region("bottom visualiser piece = PLEDIT (205,0)", [w - 225, h - 38, 75, 38], sprite("PLEDIT.BMP", 205, 0)));
  // A PLEDIT.TXT that gives no colour fails these checks rather than leaving them out.
  const colour = (key) => skin.pledit?.[key];
  const missing = (key) => `PLEDIT.TXT gives no ${key} colour`;
  const normalBg = colour("normalbg");
  const listTop = 23 + 13 * trackCount + 2;
  checks.push({ name: "list background = PLEDIT.TXT NormalBG" + (normalBg ? ` ${hex(normalBg)}` : ""), rect: [12, listTop, w - 32, h - 38 - listTop], color: normalBg, problem: normalBg ? null : missing("NormalBG") });
  for (const [key, row] of [["current", 0], ["normal", 1]]) {
    const color = colour(key);
    const problem = !color ? missing(key) : !normalBg ? missing("NormalBG") : null;
    checks.push({ name: `track ${row + 1} text in PLEDIT.TXT ${key}` + (color ? ` ${hex(color)}` : ""), rect: [12, 23 + 13 * row, w - 32, 13], text: color, over: normalBg, problem });
  }
  return checks;
}

// Controls held down with the mouse one at a time: the window, where to press (window
// coordinates) and the pressed sprite that must then show.
const press = (window, at, check) => ({ window, at, check });
export const pressedControls = [
  press("main", [27, 97], region("previous pressed = CBUTTONS (0,18)", [16, 88, 23, 18], sprite("CBUTTONS.BMP", 0, 18))),
  press("main", [50, 97], region("play pressed = CBUTTONS (23,18)", [39, 88, 23, 18], sprite("CBUTTONS.BMP", 23, 18))),
  press("main", [73, 97], region("pause pressed = CBUTTONS (46,18)", [62, 88, 23, 18], sprite("CBUTTONS.BMP", 46, 18))),
  press("main", [96, 97], region("stop pressed = CBUTTONS (69,18)", [85, 88, 23, 18], sprite("CBUTTONS.BMP", 69, 18))),
  press("main", [119, 97], region("next pressed = CBUTTONS (92,18)", [108, 88, 22, 18], sprite("CBUTTONS.BMP", 92, 18))),
  press("main", [147, 97], region("eject pressed = CBUTTONS (114,16)", [136, 89, 22, 16], sprite("CBUTTONS.BMP", 114, 16))),
  press("main", [187, 96], region("shuffle off, pressed = SHUFREP (28,15)", [164, 89, 46, 15], sprite("SHUFREP.BMP", 28, 15))),
  press("main", [224, 96], region("repeat off, pressed = SHUFREP (0,15)", [210, 89, 28, 15], sprite("SHUFREP.BMP", 0, 15))),
  // Webamp's selector for the "on, pressed" toggle sprites never matches the EQ button (it asks
  // for a class that is never set), so it shows the "off, pressed" sprite while the EQ is open.
  press("main", [230, 64], region("EQ toggle pressed (Webamp: off art) = SHUFREP (46,61)", [219, 58, 23, 12], sprite("SHUFREP.BMP", 46, 61))),
  press("main", [253, 64], region("PL toggle on, pressed = SHUFREP (69,73)", [242, 58, 23, 12], sprite("SHUFREP.BMP", 69, 73))),
  press("main", [248, 7], region("minimise pressed = TITLEBAR (9,9)", [244, 3, 9, 9], sprite("TITLEBAR.BMP", 9, 9))),
  press("main", [258, 7], region("shade pressed = TITLEBAR (9,18)", [254, 3, 9, 9], sprite("TITLEBAR.BMP", 9, 18))),
  press("main", [268, 7], region("close pressed = TITLEBAR (18,9)", [264, 3, 9, 9], sprite("TITLEBAR.BMP", 18, 9))),
  press("main", [14, 36], region("clutter A pressed = TITLEBAR (312,55)", [10, 33, 8, 7], sprite("TITLEBAR.BMP", 312, 55))),
  press("main", [14, 51], region("clutter D pressed = TITLEBAR (328,69)", [10, 47, 8, 8], sprite("TITLEBAR.BMP", 328, 69))),
  press("equalizer", [27, 24], region("ON on, pressed = EQMAIN (187,119)", [14, 18, 26, 12], sprite("EQMAIN.BMP", 187, 119))),
  press("equalizer", [56, 24], region("AUTO off, pressed = EQMAIN (154,119)", [40, 18, 32, 12], sprite("EQMAIN.BMP", 154, 119))),
];

// The main window after shuffle and repeat were switched on and the first track was paused at
// 0:00 (Webamp reports every track as stereo). The presses before left the equalizer focused, so
// this is also where the inactive main title strip and the active equalizer title bar show.
export function pausedChecks(skin, windows, state) {
  const titleY = state.mainSelected ? 0 : 15;
  const checks = [
    region(`title bar = TITLEBAR ${state.mainSelected ? "active" : "inactive"} (27,${titleY})`, [0, 0, 275, 14], sprite("TITLEBAR.BMP", 27, titleY)),
    region("paused glyph = PLAYPAUS (9,0)", [26, 28, 9, 9], sprite("PLAYPAUS.BMP", 9, 0)),
    region("mono, dark = MONOSTER (29,12)", [212, 41, 27, 12], sprite("MONOSTER.BMP", 29, 12)),
    region("stereo, lit = MONOSTER (0,0)", [239, 41, 29, 12], sprite("MONOSTER.BMP", 0, 0)),
    region("shuffle on = SHUFREP (28,30)", [164, 89, 46, 15], sprite("SHUFREP.BMP", 28, 30)),
    region("repeat on = SHUFREP (0,30)", [210, 89, 28, 15], sprite("SHUFREP.BMP", 0, 30)),
    region("position thumb at 0:00 = POSBAR (248,0)", [16, 72, 29, 10], sprite("POSBAR.BMP", 248, 0)),
    { name: "kbps drawn with TEXT.BMP colours", rect: [111, 43, 15, 6], palette: ["TEXT.BMP", 0, 0, 155, 18], blank: textBlank, under: "MAIN.BMP", drawn: drawnText(3) },
    { name: "kHz drawn with TEXT.BMP colours", rect: [156, 43, 10, 6], palette: ["TEXT.BMP", 0, 0, 155, 18], blank: textBlank, under: "MAIN.BMP", drawn: drawnText(2) },
  ];
  for (const [i, x] of [48, 60, 78, 90].entries())
    checks.push(region(`time digit ${i + 1} "0" = NUMS_EX (0,0)`, [x, 26, 9, 13], sprite("NUMS_EX.BMP", 0, 0)));
  // Paused, the analyser shows its background dots: VISCOLOR.TXT's first two colours over the whole box.
  const visColors = skin.viscolor ?? [];
  checks.push({ name: "visualiser drawn with VISCOLOR.TXT colours", rect: [24, 43, 76, 16], colors: visColors, under: "MAIN.BMP", drawn: (76 * 16) / 2,
    problem: visColors.length === 24 ? null : `VISCOLOR.TXT gives ${visColors.length} colours, not 24` });
  const all = checks.map((check) => ({ window: "main", origin: windows.main, ...check }));
  if (windows.equalizer) {
    const bar = state.equalizerSelected ? 134 : 149;
    all.push({ window: "equalizer", origin: windows.equalizer, ...region(`title bar = EQMAIN ${state.equalizerSelected ? "active" : "inactive"} (0,${bar})`, [0, 0, 275, 14], sprite("EQMAIN.BMP", 0, bar)) });
  }
  return all;
}

// All three windows in shade mode (14 rows high). Thumbs, the mini visualiser and the texts move
// or depend on timing, so their boxes are left out.
export function shadedChecks(skin, windows, state) {
  const checks = [];
  if (windows.main) {
    const y = state.mainSelected ? 29 : 42;
    // Webamp draws the unshade button's own sprite in the focused shade bar, not the bar's pixels.
    const unshade = state.mainSelected ? [[254, 3, 9, 9]] : [];
    checks.push({ window: "main", ...region(`shade bar = TITLEBAR (27,${y})`, [0, 0, 275, 14], sprite("TITLEBAR.BMP", 27, y), [[79, 5, 38, 5], [125, 4, 35, 6], [226, 4, 17, 7], ...unshade]) });
    if (state.mainSelected) checks.push({ window: "main", ...region("unshade button = TITLEBAR (0,27)", [254, 3, 9, 9], sprite("TITLEBAR.BMP", 0, 27)) });
  }
  if (windows.equalizer) {
    const y = state.equalizerSelected ? 0 : 15;
    checks.push({ window: "equalizer", ...region(`shade bar = EQ_EX (0,${y})`, [0, 0, 275, 14], sprite("EQ_EX.BMP", 0, y), [[61, 4, 97, 7], [164, 4, 43, 7]]) });
  }
  if (windows.playlist) {
    const w = windows.playlist.width;
    const y = state.playlistSelected ? 42 : 57;
    checks.push({ window: "playlist", ...region("shade left end = PLEDIT (72,42)", [0, 0, 25, 14], sprite("PLEDIT.BMP", 72, 42), [[4, 4, 21, 6]]) });
    checks.push({ window: "playlist", ...region(`shade right end = PLEDIT (99,${y})`, [w - 50, 0, 50, 14], sprite("PLEDIT.BMP", 99, y)) });
    checks.push({ window: "playlist", ...region("shade tiles = PLEDIT (72,57)", [25, 0, w - 75, 14], sprite("PLEDIT.BMP", 72, 57, [25, 14]), [[25, 4, w - 75, 6]]) });
  }
  for (const check of checks) check.origin = windows[check.window];
  for (const name of Object.keys(windows))
    checks.push({ window: name, origin: windows[name], name: "no page colour shows through the shaded window", rect: [0, 0, windows[name].width, windows[name].height], absent: pageColor });
  return checks;
}

// The moving parts of a complete skin, each put through its states in turn: where the sprite lies,
// every state must differ from every other one and from the picture under it (the window's
// background bitmap). `least` is how many pixels must differ. A state says what a user would set
// (volume and balance in per cent, the 60 Hz band in dB, the equalizer on or off, a per cent of
// the playing track); each player's driver sets it its own way.
export const spriteStates = [
  { sprite: "volume", window: "main", rect: [107, 57, 68, 13], under: "MAIN.BMP", least: 40,
    states: [["0 %", { volume: 0 }], ["50 %", { volume: 50 }], ["100 %", { volume: 100 }]] },
  { sprite: "balance", window: "main", rect: [177, 57, 38, 13], under: "MAIN.BMP", least: 40,
    states: [["left", { balance: -100 }], ["centre", { balance: 0 }], ["right", { balance: 100 }]] },
  { sprite: "60 Hz slider", window: "equalizer", rect: [78, 38, 14, 63], under: "EQMAIN.BMP", least: 40,
    states: [["-12 dB", { band60: -12 }], ["0 dB", { band60: 0 }], ["+12 dB", { band60: 12 }]] },
  // Only the button's light changes: its 2 x 3 inside.
  { sprite: "ON button", window: "equalizer", rect: [14, 18, 25, 12], under: "EQMAIN.BMP", least: 6,
    states: [["off", { eqOn: false }], ["on", { eqOn: true }]] },
  { sprite: "position thumb", window: "main", rect: [16, 72, 248, 10], under: "MAIN.BMP", least: 100,
    states: [["playing at 10 %", { playAt: 10 }], ["playing at 60 %", { playAt: 60 }]] },
];

// Pixels of two equally long lists that differ by more than the tolerance in any channel.
export function differingPixels(a, b) {
  let count = 0;
  for (let i = 0; i < a.length; ++i) if (!near(a[i], b[i])) ++count;
  return count;
}

export function buildChecks(skin, windows, state, trackCount) {
  const lists = [];
  if (windows.main) lists.push(["main", mainWindowChecks(skin, state)]);
  if (windows.equalizer) lists.push(["equalizer", equalizerChecks(skin, state)]);
  if (windows.playlist) lists.push(["playlist", playlistChecks(skin, state, windows.playlist.width, windows.playlist.height, trackCount)]);
  const checks = [];
  for (const [windowName, list] of lists) {
    const origin = windows[windowName];
    const size = [0, 0, origin.width, origin.height];
    checks.push({ window: windowName, origin, name: "no page colour shows through the window", rect: size, absent: pageColor });
    for (const check of list) checks.push({ window: windowName, origin, ...check });
  }
  return checks;
}

function bitmapFor(skin, file) {
  const bitmap = skin.bitmaps[file];
  if (!bitmap) throw new Error(`${file} is missing from the skin`);
  return bitmap;
}

function paletteOf(skin, [file, x0, y0, w, h]) {
  const bitmap = bitmapFor(skin, file);
  const colors = [];
  const seen = new Set();
  for (let y = y0; y < Math.min(y0 + h, bitmap.height); ++y)
    for (let x = x0; x < Math.min(x0 + w, bitmap.width); ++x) {
      const key = bitmap.pixel(x, y).join(",");
      if (!seen.has(key)) { seen.add(key); colors.push(bitmap.pixel(x, y)); }
    }
  return colors;
}

// Returns null when the check holds, otherwise a short description of what differs.
export function runCheck(check, skin, screen) {
  if (check.problem) return check.problem;
  if (check.text) return textProbe(check, screen);
  const [rx, ry, rw, rh] = check.rect;
  const at = (x, y) => screen.pixel(check.origin.left + x, check.origin.top + y);
  let expected;
  if (check.expect) {
    const bitmap = bitmapFor(skin, check.expect.file);
    const [tw, th] = check.expect.tile ?? [rw, rh];
    expected = (x, y) => {
      // Tiles repeat from the rectangle's right edge in Webamp's top fills and from its top-left
      // elsewhere; the tile widths used here divide the rectangles, so both agree.
      const sx = check.expect.sx + ((x - rx) % tw), sy = check.expect.sy + ((y - ry) % th);
      return sx < bitmap.width && sy < bitmap.height ? bitmap.pixel(sx, sy) : null;
    };
  } else if (check.color) expected = () => check.color;
  let mismatches = 0, first = null, total = 0;
  const palette = check.palette ? paletteOf(skin, check.palette) : check.colors ?? null;
  let drawn = 0;
  const blank = check.blank ? bitmapFor(skin, check.blank[0]).pixel(check.blank[1], check.blank[2]) : null;
  for (let y = ry; y < ry + rh; ++y)
    for (let x = rx; x < rx + rw; ++x) {
      if ((check.skip ?? []).some((s) => inside(x, y, s))) continue;
      const got = at(x, y);
      ++total;
      let want = null, ok = true;
      if (expected) {
        want = expected(x, y);
        ok = want !== null && near(got, want);
      } else if (palette) {
        const under = check.under ? bitmapFor(skin, check.under) : null;
        const [ux, uy] = check.underAt ?? [0, 0];
        const underPixel = under && x + ux < under.width && y + uy < under.height ? under.pixel(x + ux, y + uy) : null;
        const inPalette = palette.some((c) => near(got, c));
        const asUnder = underPixel !== null && near(got, underPixel);
        ok = inPalette || asUnder;
        if (inPalette && !asUnder && !(blank && near(got, blank))) ++drawn;
      } else if (check.absent) ok = !near(got, check.absent);
      if (!ok) {
        ++mismatches;
        first ??= { x, y, got, want };
      }
    }
  if (mismatches === 0 && drawn < (check.drawn ?? 0))
    return `only ${drawn} pixels drawn in the palette${blank ? " but its background" : ""} unlike what lies under them, expected at least ${check.drawn}`;
  if (mismatches === 0) return null;
  const where = `first at window (${first.x},${first.y}) screen (${check.origin.left + first.x},${check.origin.top + first.y})`;
  return `${mismatches} of ${total} pixels differ; ${where}: got ${hex(first.got)}` + (first.want ? `, want ${hex(first.want)}` : first.want === null && expected ? ", sprite lies outside its bitmap" : "");
}

// The text probe of a check { rect, text, over }: see strokeCoverage.
function textProbe(check, screen) {
  const [rx, ry, rw, rh] = check.rect;
  const bg = check.over, fg = check.text;
  const line = fg.map((v, i) => v - bg[i]);
  const length2 = line.reduce((sum, v) => sum + v * v, 0);
  if (Math.sqrt(length2) < strokeContrast) return `text ${hex(fg)} is too close to the background ${hex(bg)} to be seen`;
  let strokes = 0, strongest = null;
  for (let y = ry; y < ry + rh; ++y)
    for (let x = rx; x < rx + rw; ++x) {
      const got = screen.pixel(check.origin.left + x, check.origin.top + y);
      const along = got.reduce((sum, v, i) => sum + (v - bg[i]) * line[i], 0) / length2;
      const off = Math.sqrt(got.reduce((sum, v, i) => sum + (v - bg[i] - along * line[i]) ** 2, 0));
      if (along >= strokeCoverage && off <= strokeDistance) ++strokes;
      // The pixel furthest from the background, to say what was drawn instead.
      const distance = got.reduce((sum, v, i) => sum + (v - bg[i]) ** 2, 0);
      if (!strongest || distance > strongest.distance) strongest = { distance, got, along, off };
    }
  if (strokes >= strokePixels) return null;
  return `${strokes} pixels of text ${hex(fg)} over ${hex(bg)} in ${rw}x${rh} at (${rx},${ry}), expected at least ${strokePixels}; ` +
    `the strongest pixel ${hex(strongest.got)} lies ${strongest.along.toFixed(2)} along and ${strongest.off.toFixed(0)} off the line`;
}
