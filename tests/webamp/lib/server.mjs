// Serves the page, the Webamp bundle from node_modules and the skins under test on 127.0.0.1.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { fileURLToPath } from "node:url";
import { silentWav } from "./wav.mjs";

const here = (relative) => fileURLToPath(new URL(relative, import.meta.url));
const fixedRoutes = {
  "/": { path: here("../page/index.html"), type: "text/html; charset=utf-8" },
  "/webamp.mjs": { path: here("../node_modules/webamp/built/webamp.bundle.min.mjs"), type: "text/javascript" },
};

// skins: Map from a name to the path of its .wsz; each is served as /skins/<name>.wsz.
export async function startServer(skins) {
  const wav = silentWav(60); // long enough that a moment's play leaves the position thumb at 0
  // The page and the bundle are read once, so the run does not depend on node_modules afterwards.
  const fixed = new Map();
  for (const [path, route] of Object.entries(fixedRoutes)) fixed.set(path, { ...route, body: await readFile(route.path) });
  const server = createServer(async (request, response) => {
    const url = new URL(request.url, "http://127.0.0.1");
    let route = fixed.get(url.pathname);
    const skin = /^\/skins\/([^/]+)\.wsz$/.exec(url.pathname);
    if (skin && skins.has(decodeURIComponent(skin[1])))
      route = { path: skins.get(decodeURIComponent(skin[1])), type: "application/zip" };
    try {
      if (url.pathname === "/silence.wav") {
        // Byte ranges, without which the audio element cannot seek.
        const range = /^bytes=(\d+)-(\d*)$/.exec(request.headers.range ?? "");
        const start = range ? Number(range[1]) : 0;
        const end = range?.[2] ? Math.min(Number(range[2]), wav.length - 1) : wav.length - 1;
        const part = range ? { "content-range": `bytes ${start}-${end}/${wav.length}` } : {};
        response.writeHead(range ? 206 : 200, { "content-type": "audio/wav", "accept-ranges": "bytes", "content-length": end - start + 1, ...part });
        response.end(wav.subarray(start, end + 1));
        return;
      }
      if (!route) throw Object.assign(new Error("no such route"), { code: "ENOENT" });
      const body = route.body ?? (await readFile(route.path));
      response.writeHead(200, { "content-type": route.type, "content-length": body.length, "cache-control": "no-store" });
      response.end(body);
    } catch (error) {
      response.writeHead(error.code === "ENOENT" ? 404 : 500, { "content-type": "text/plain" });
      response.end(`${url.pathname}: ${error.message}\n`);
    }
  });
  await new Promise((resolve, reject) => {
    server.once("error", reject);
    server.listen(0, "127.0.0.1", resolve);
  });
  return { origin: `http://127.0.0.1:${server.address().port}`, close: () => new Promise((r) => server.close(r)) };
}
