// Writes the test pictures as 24-bit BMP files into the folder given, the same every run:
//   dark.bmp   night scene, almost black with a faint blue glow
//   light.bmp  pale, nearly white pastel wash
//   busy.bmp   saturated noise over hard stripes and checks
//   tall.bmp   a narrow portrait picture, so the fitted picture leaves side margins
//   drawing.bmp  flat colours inside black outlines, as a cartoon is drawn
//   wide.bmp   a 20:1 strip, fitted into a few rows with margins above and below
import { mkdirSync } from "node:fs";
import { join } from "node:path";
import { RgbImage, writeBmp } from "./lib/bmp.mjs";

function random(seed) {
  let a = seed >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

const clamp = (v) => Math.max(0, Math.min(255, Math.round(v)));

function paint(width, height, colorAt) {
  const image = new RgbImage(width, height);
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) image.setPixel(x, y, colorAt(x, y).map(clamp));
  return image;
}

const pictures = {
  dark: () => {
    const next = random(1);
    return paint(400, 340, (x, y) => {
      const glow = Math.max(0, 1 - Math.hypot(x - 280, y - 90) / 160);
      const grain = next() * 6;
      return [4 + 10 * glow + grain, 6 + 18 * glow + grain, 12 + 40 * glow + grain];
    });
  },
  light: () => {
    const next = random(2);
    return paint(400, 340, (x, y) => {
      const grain = next() * 4;
      return [236 + 14 * Math.sin(x / 70) + grain, 240 + 10 * Math.cos(y / 50) + grain, 246 + 6 * Math.sin((x + y) / 90) + grain];
    });
  },
  busy: () => {
    const next = random(3);
    return paint(400, 340, (x, y) => {
      const stripe = Math.floor((x + 2 * y) / 6) % 2 ? 255 : 0;
      const check = (Math.floor(x / 9) + Math.floor(y / 9)) % 2 ? 200 : 30;
      return [0.5 * stripe + 0.5 * next() * 255, 0.5 * check + 0.5 * next() * 255, next() * 255];
    });
  },
  tall: () => paint(90, 300, (x, y) => [60 + y / 2, 120 + x, 180 - y / 3]),
  drawing: () => paint(400, 340, (x, y) => {
    const sun = Math.hypot(x - 300, y - 80) - 45;
    const hill = y - (230 - 60 * Math.sin(x / 70));
    const house = Math.max(Math.abs(x - 120) - 50, Math.abs(y - 220) - 40);
    const edge = [sun, hill, house].some((d) => Math.abs(d) < 2.5);
    if (edge) return [10, 10, 10];
    if (house < 0) return [220, 70, 60];
    if (sun < 0) return [255, 210, 40];
    return hill > 0 ? [70, 170, 70] : [120, 190, 240];
  }),
  wide: () => paint(1200, 60, (x, y) => [40 + (x % 200), 90 + y, 200 - (x % 150)]),
};

const folder = process.argv[2];
if (!folder) {
  console.error("usage: make-pictures.mjs FOLDER");
  process.exit(2);
}
mkdirSync(folder, { recursive: true });
for (const [name, make] of Object.entries(pictures)) writeBmp(join(folder, `${name}.bmp`), make());
