// 24-bit BMP files: the skin bitmaps are read back for comparison, and the test pictures are
// written in the same form the program accepts (BITMAPINFOHEADER, BI_RGB, bottom-up rows).
import { readFileSync, writeFileSync } from "node:fs";

// An image held top-down as RGB triplets, the same layout the PNG reader produces.
export class RgbImage {
  constructor(width, height, data = new Uint8Array(width * height * 3)) {
    this.width = width;
    this.height = height;
    this.data = data;
  }
  pixel(x, y) {
    const i = (y * this.width + x) * 3;
    return [this.data[i], this.data[i + 1], this.data[i + 2]];
  }
  setPixel(x, y, [r, g, b]) {
    const i = (y * this.width + x) * 3;
    this.data[i] = r;
    this.data[i + 1] = g;
    this.data[i + 2] = b;
  }
}

// Returns an RgbImage, or throws an Error naming what is wrong with the file.
export function decodeBmp(bytes, name = "bitmap") {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  if (bytes.length < 54 || view.getUint16(0, true) !== 0x4d42) throw new Error(`${name}: not a BMP file`);
  const offset = view.getUint32(10, true);
  const headerSize = view.getUint32(14, true);
  const width = view.getInt32(18, true);
  const storedHeight = view.getInt32(22, true);
  const bits = view.getUint16(28, true);
  const compression = view.getUint32(30, true);
  if (headerSize < 40 || bits !== 24 || compression !== 0 || width <= 0 || storedHeight === 0)
    throw new Error(`${name}: expected an uncompressed 24-bit BMP, got header ${headerSize}, ${bits} bits, compression ${compression}`);
  const height = Math.abs(storedHeight);
  const stride = Math.floor((width * 3 + 3) / 4) * 4;
  if (offset + stride * height > bytes.length) throw new Error(`${name}: pixel rows run past the end of the file`);
  const image = new RgbImage(width, height);
  for (let y = 0; y < height; ++y) {
    const row = offset + stride * (storedHeight > 0 ? height - 1 - y : y);
    for (let x = 0; x < width; ++x) {
      const p = row + x * 3;
      image.setPixel(x, y, [bytes[p + 2], bytes[p + 1], bytes[p]]);
    }
  }
  return image;
}

export function readBmp(path) {
  return decodeBmp(readFileSync(path), path);
}

export function encodeBmp(image) {
  const stride = Math.floor((image.width * 3 + 3) / 4) * 4;
  const bytes = Buffer.alloc(54 + stride * image.height);
  bytes.write("BM", 0, "latin1");
  bytes.writeUInt32LE(bytes.length, 2);
  bytes.writeUInt32LE(54, 10);
  bytes.writeUInt32LE(40, 14);
  bytes.writeInt32LE(image.width, 18);
  bytes.writeInt32LE(image.height, 22);
  bytes.writeUInt16LE(1, 26);
  bytes.writeUInt16LE(24, 28);
  bytes.writeUInt32LE(stride * image.height, 34);
  for (let y = 0; y < image.height; ++y) {
    const row = 54 + stride * (image.height - 1 - y);
    for (let x = 0; x < image.width; ++x) {
      const [r, g, b] = image.pixel(x, y);
      bytes[row + x * 3] = b;
      bytes[row + x * 3 + 1] = g;
      bytes[row + x * 3 + 2] = r;
    }
  }
  return bytes;
}

export function writeBmp(path, image) {
  writeFileSync(path, encodeBmp(image));
}
