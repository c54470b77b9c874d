// A short silent mono WAV so the playlist can hold real, fetchable tracks.
export function silentWav(seconds, rate = 8000) {
  const samples = seconds * rate;
  const bytes = Buffer.alloc(44 + samples);
  bytes.write("RIFF", 0, "latin1");
  bytes.writeUInt32LE(36 + samples, 4);
  bytes.write("WAVEfmt ", 8, "latin1");
  bytes.writeUInt32LE(16, 16);
  bytes.writeUInt16LE(1, 20); // PCM
  bytes.writeUInt16LE(1, 22); // mono
  bytes.writeUInt32LE(rate, 24);
  bytes.writeUInt32LE(rate, 28); // bytes per second at 8 bits
  bytes.writeUInt16LE(1, 32);
  bytes.writeUInt16LE(8, 34);
  bytes.write("data", 36, "latin1");
  bytes.writeUInt32LE(samples, 40);
  bytes.fill(128, 44); // 8-bit PCM silence is the midpoint
  return bytes;
}
