// Where each setting sits on the page: the four pages of the program's settings sheet and its
// visualization colour dialog, in their order, with the program's own Japanese labels. The fields
// themselves (names, kinds, ranges, values) come from the module, which reads them from the
// profile table; a setting missing here still gets a field, under "other".

const visColorLabels = [
  { ja: "BG", en: "Background" },
  { ja: "BG（点）", en: "Background dots" },
  ...Array.from({ length: 16 }, (_, i) => ({ ja: `スペアナ ${i + 1}`, en: `Analyzer ${i + 1}` })),
  ...Array.from({ length: 5 }, (_, i) => ({ ja: `オシロスコープ ${i + 1}`, en: `Oscilloscope ${i + 1}` })),
  { ja: "ピークホールド", en: "Peak hold" },
];

export const groups = [
  {
    ja: "MAIN＆EQ",
    en: "Main & equalizer",
    items: {
      FullSize: { ja: "EQ使用", en: "Use the equalizer" },
      SkinReverse: { ja: "EQを上に設定", en: "Equalizer on top" },
      SkinLine: { ja: "枠描画", en: "Draw frames" },
      SkinAlphaBrend: { ja: "透明度", en: "Opacity" },
      Color: { ja: "SKIN色：基本色", en: "Skin: base colour" },
      ColorBG: { ja: "SKIN色：基本枠色", en: "Skin: frame colour" },
      TextNORMAL: { ja: "文字色：文字色", en: "Text: text" },
      TextNORMALBG: { ja: "文字色：文字背景色", en: "Text: background" },
      NumNORMAL: { ja: "数字色：文字色", en: "Digits: text" },
      NumNORMALBG: { ja: "数字色：文字背景色", en: "Digits: background" },
      SideColor: { ja: "余白色", en: "Margin colour" },
    },
  },
  {
    ja: "PLAYLIST＆MB",
    en: "Playlist & minibrowser",
    items: {
      PLSave: { ja: "PLAYLIST", en: "Playlist" },
      Current: { ja: "演奏曲文字色", en: "Playing track" },
      SelectedBG: { ja: "選択曲色", en: "Selected track" },
      Normal: { ja: "PL文字色", en: "Playlist text" },
      NormalBG: { ja: "PL背景色", en: "Playlist background" },
      MBSave: { ja: "MiniBrowser", en: "Minibrowser" },
      MBFG: { ja: "MB文字色", en: "Minibrowser text" },
      MBBG: { ja: "MB文字背景色", en: "Minibrowser background" },
      PlFont: { ja: "フォント", en: "Font" },
    },
  },
  {
    ja: "MARON",
    en: "MARON",
    items: {
      "MARON.Use": { ja: "MARON", en: "MARON" },
      Enable: { ja: "スペアナを有効", en: "Analyzer on" },
      Peaks: { ja: "ピーク表示", en: "Show peaks" },
      Bands: { ja: "スペアナの太線表示（MARON.DLL Ver0.9 以降）", en: "Thick analyzer bands (MARON.DLL 0.9 and later)" },
      Rain: { ja: "MARONオリジナルスペアナ表示モード", en: "MARON's own analyzer mode" },
      AnalyzerMode: { ja: "AnalyzerMode", en: "Analyzer mode" },
      BlendMethod: { ja: "色合成方法", en: "Colour blending" },
      Opacity: { ja: "透過比（%）", en: "Opacity (%)" },
    },
  },
  {
    ja: "SexyFont",
    en: "SexyFont",
    items: { "SexyFont.Use": { ja: "SexyFont", en: "SexyFont" } },
  },
  {
    ja: "スペアナ色設定",
    en: "Visualization colours",
    items: Object.fromEntries(visColorLabels.map((label, i) => [`VisColor${String(i).padStart(2, "0")}`, label])),
  },
];

export const otherGroup = { ja: "その他", en: "Other", items: {} };

// A colour's components are three keys ("Color_R", "SideColorG", "VisColorB05"): the colour's name
// and the component, or null for a key that is not a component.
export function colorPart(field) {
  if (field.kind !== "color") return null;
  const vis = /^VisColor([RGB])(\d\d)$/.exec(field.key);
  if (vis) return { color: `VisColor${vis[2]}`, component: vis[1] };
  const plain = /^(.*?)_?([RGB])$/.exec(field.key);
  return { color: plain[1], component: plain[2] };
}
