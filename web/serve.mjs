// Serves the static site on 127.0.0.1, printing its address first: node serve.mjs SITE [PORT].
// Port 0 takes any free port. Only files inside SITE are served.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, resolve, sep } from "node:path";

const [siteArgument, portArgument = "8000"] = process.argv.slice(2);
const site = resolve(siteArgument);
const types = {
  ".html": "text/html; charset=utf-8",
  ".css": "text/css; charset=utf-8",
  ".mjs": "text/javascript; charset=utf-8",
  ".js": "text/javascript; charset=utf-8",
  ".wasm": "application/wasm",
};

const server = createServer(async (request, response) => {
  const path = decodeURIComponent(new URL(request.url, "http://127.0.0.1").pathname);
  const file = resolve(join(site, path.endsWith("/") ? path + "index.html" : path));
  try {
    if (file !== site && !file.startsWith(site + sep)) throw Object.assign(new Error("outside"), { code: "ENOENT" });
    const body = await readFile(file);
    response.writeHead(200, { "content-type": types[extname(file)] ?? "application/octet-stream", "cache-control": "no-cache" });
    response.end(body);
  } catch (error) {
    response.writeHead(error.code === "ENOENT" || error.code === "EISDIR" ? 404 : 500, { "content-type": "text/plain" });
    response.end(error.code === "ENOENT" ? "not found\n" : "cannot read\n");
  }
});
server.on("error", (error) => {
  console.error(`tolvarin web: cannot serve on 127.0.0.1:${portArgument}: ${error.message}`);
  process.exit(1);
});
server.listen(Number(portArgument), "127.0.0.1", () => {
  console.log(`http://127.0.0.1:${server.address().port}/`);
});
