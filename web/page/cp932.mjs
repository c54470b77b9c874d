// Text in code page 932, the charset of the skin's files and profiles. The browser decodes it
// (its "shift_jis" is Windows' code page 932, extensions included) but cannot encode it, so the
// encoder is the decoder's table turned round, made on first use. Where two codes give one
// character, the one Windows' converter writes is kept: the lower code, except that the
// NEC-selected IBM extensions (lead bytes 0xED and 0xEE) are only read, their characters written
// with the IBM extension codes (0xFA to 0xFC) as the command line's converter writes them too.

const decoder = new TextDecoder("shift_jis", { fatal: true });
let encoding = null;

function encodingTable() {
  if (encoding) return encoding;
  encoding = new Map();
  const add = (bytes) => {
    let text;
    try {
      text = decoder.decode(bytes);
    } catch {
      return;
    }
    if (text.length === 1 && !encoding.has(text)) encoding.set(text, bytes);
  };
  for (let b = 0; b < 0x100; ++b) add(Uint8Array.of(b));
  const necSelected = (lead) => lead === 0xed || lead === 0xee;
  for (const readOnly of [false, true]) {
    for (let lead = 0x81; lead <= 0xfc; ++lead) {
      if ((lead > 0x9f && lead < 0xe0) || necSelected(lead) !== readOnly) continue;
      for (let trail = 0x40; trail <= 0xfc; ++trail) if (trail !== 0x7f) add(Uint8Array.of(lead, trail));
    }
  }
  return encoding;
}

export function decodeCp932(bytes) {
  return new TextDecoder("shift_jis").decode(bytes);
}

// The bytes of `text`, or null when a character has no code in code page 932.
export function encodeCp932(text) {
  const table = encodingTable();
  const out = [];
  for (const character of text) {
    const bytes = table.get(character);
    if (!bytes) return null;
    out.push(...bytes);
  }
  return Uint8Array.from(out);
}
