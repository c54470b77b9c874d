// Debian's Audacious 4.2, Winamp Classic Interface in GTK mode, on an Xvfb display and a D-Bus
// session of its own, sound to SDL's dummy driver. The table's states are set with audtool and,
// for the balance (audtool has no command for it), a click on the slider.
import { execFile, spawn } from "node:child_process";
import { existsSync, mkdirSync, readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { promisify } from "node:util";

const run = promisify(execFile);
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const tools = ["audacious", "audtool", "Xvfb", "xdotool", "import", "dbus-daemon"];
// Where the configuration puts the windows (no window manager moves them).
const windows = { main: { left: 0, top: 0 }, equalizer: { left: 0, top: 116 } };
// Chosen in plugin-registry, which Audacious writes at its first start.
const plugins = { "iface skins.so": 1, "iface gtkui.so": 0, "output sdlout.so": 1, "output alsa.so": 0 };

export async function launchAudacious(work) {
  const missing = tools.filter((tool) => !existsSync(`/usr/bin/${tool}`));
  if (missing.length) return { problem: `missing ${missing.join(", ")}: install audacious, xvfb, xdotool, imagemagick, dbus` };
  const folder = join(work, ".config", "audacious");
  mkdirSync(folder, { recursive: true });
  // Xvfb picks a free display and names it on descriptor 3 once it takes clients.
  const xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "640x480x24", "-nolisten", "tcp"], { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  const display = await new Promise((resolve, reject) => {
    xvfb.stdio[3].on("data", (chunk) => resolve(String(chunk).trim()));
    xvfb.on("exit", () => reject(new Error("Xvfb ended before naming a display")));
  });
  const [bus, busPid] = (await run("dbus-daemon", ["--session", "--fork", "--print-address=1", "--print-pid=1"])).stdout.trim().split("\n");
  const env = { ...process.env, HOME: work, XDG_CONFIG_HOME: join(work, ".config"), DISPLAY: `:${display}`, DBUS_SESSION_BUS_ADDRESS: bus, SDL_AUDIODRIVER: "dummy" };
  const audtool = (...words) => run("audtool", words.map(String), { env });
  let player = null;
  const stop = async () => {
    await audtool("shutdown").catch(() => player?.kill());
    if (player?.exitCode === null) await new Promise((resolve) => player.on("exit", resolve));
  };
  const start = async (skin, track) => {
    writeFileSync(join(folder, "config"), `[audacious]\nuse_qt=FALSE\n\n[skins]\nskin=${skin}\nequalizer_visible=TRUE\n` +
      "playlist_visible=FALSE\nplayer_x=0\nplayer_y=0\nequalizer_x=0\nequalizer_y=116\n");
    player = spawn("audacious", ["-G", track], { env, stdio: "ignore" });
    for (let i = 0; i < 100 && !(await audtool("version").then(() => true, () => false)); ++i) await sleep(100);
  };
  return {
    async open(skin, track) {
      const registry = join(folder, "plugin-registry");
      if (!existsSync(registry)) {
        await start(skin, track);
        await stop();
        let entry = "";
        const lines = readFileSync(registry, "latin1").split("\n").map((line) => {
          const found = /^(\w+) \/\S*\/([^/]+)$/.exec(line);
          if (found) entry = `${found[1]} ${found[2]}`;
          return line.startsWith("enabled ") && entry in plugins ? `enabled ${plugins[entry]}` : line;
        });
        writeFileSync(registry, lines.join("\n"), "latin1");
      }
      await start(skin, track);
      await audtool("playback-stop");
      await sleep(1000);
      const screenshot = async (path) => {
        const { stdout } = await run("import", ["-window", "root", "png24:-"], { env, encoding: "buffer", maxBuffer: 1 << 24 });
        if (path) writeFileSync(path, stdout);
        return stdout;
      };
      return {
        windows,
        screenshot,
        async setState({ volume, balance, band60, eqOn, playAt }) {
          if (volume !== undefined) await audtool("set-volume", volume);
          if (band60 !== undefined) await audtool("equalizer-set-band", 0, band60);
          if (eqOn !== undefined) await audtool("equalizer-activate", eqOn ? "on" : "off");
          // The thumb's left edge runs 177..201; a click centres the thumb where it lands.
          if (balance !== undefined) await run("xdotool", ["mousemove", 184 + Math.round((balance + 100) * 0.12), 63, "click", 1, "mousemove", 600, 400], { env });
          if (playAt !== undefined) {
            await audtool("playback-play");
            await audtool("playback-seek", (60 * playAt) / 100); // the track is a minute long
          }
          await sleep(700);
          return screenshot();
        },
        close: stop,
      };
    },
    async close() {
      await stop();
      xvfb.kill();
      process.kill(Number(busPid));
    },
  };
}
