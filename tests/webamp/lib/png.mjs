// Reads the 8-bit RGB/RGBA, non-interlaced PNG files that Chromium's screenshots are.
import { inflateSync } from "node:zlib";
import { RgbImage } from "./bmp.mjs";

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

export function decodePng(bytes) {
  if (bytes.readUInt32BE(0) !== 0x89504e47) throw new Error("not a PNG file");
  let width = 0, height = 0, channels = 0;
  const idat = [];
  for (let p = 8; p < bytes.length; ) {
    const length = bytes.readUInt32BE(p);
    const type = bytes.toString("latin1", p + 4, p + 8);
    const body = bytes.subarray(p + 8, p + 8 + length);
    if (type === "IHDR") {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      const [depth, colorType, , , interlace] = body.subarray(8, 13);
      channels = { 2: 3, 6: 4 }[colorType];
      if (depth !== 8 || !channels || interlace !== 0) throw new Error(`unsupported PNG (depth ${depth}, colour type ${colorType}, interlace ${interlace})`);
    } else if (type === "IDAT") idat.push(body);
    else if (type === "IEND") break;
    p += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(idat));
  const stride = width * channels;
  const rows = new Uint8Array(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? rows[y * stride + i - channels] : 0;
      const b = y > 0 ? rows[(y - 1) * stride + i] : 0;
      const c = i >= channels && y > 0 ? rows[(y - 1) * stride + i - channels] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      if (predictor === undefined) throw new Error(`bad PNG filter ${filter} in row ${y}`);
      rows[y * stride + i] = (line[i] + predictor) & 0xff;
    }
  }
  const image = new RgbImage(width, height);
  for (let i = 0; i < width * height; ++i)
    image.data.set(rows.subarray(i * channels, i * channels + 3), i * 3);
  return image;
}
