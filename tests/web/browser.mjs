// What the web test and the web benchmark share: a static server for the
// site on 127.0.0.1, and Debian's Chromium, headless with software WebGL.
import { createServer } from "node:http";
import { readFile } from "node:fs/promises";
import { extname, join, normalize } from "node:path";
import puppeteer from "puppeteer-core";

const TYPES = {
  ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".css": "text/css",
  ".wasm": "application/wasm", ".ico": "image/vnd.microsoft.icon", ".png": "image/png",
  ".txt": "text/plain; charset=utf-8", ".gz": "application/gzip",
};

// Serves the folder under a subfolder of the server, as a site may be
// uploaded. Names in `missing` answer 404, as a failed upload would.
export async function serveSite(folder, subfolder = "/apps/cartouchery/") {
  const missing = new Set();
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, "http://x").pathname);
    let name = path.startsWith(subfolder) ? path.slice(subfolder.length) : null;
    if (name === "") name = "index.html";
    else if (name && name.endsWith("/")) name += "index.html";
    const file = name === null ? null : normalize(join(folder, name));
    if (!file || !file.startsWith(folder) || missing.has(name)) {
      response.writeHead(404).end("not found");
      return;
    }
    try {
      const body = await readFile(file);
      response.writeHead(200, { "Content-Type": TYPES[extname(file)] || "application/octet-stream",
                                "Content-Length": body.length, "Cache-Control": "max-age=3600" });
      response.end(body);
    } catch {
      response.writeHead(404).end("not found");
    }
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}${subfolder}`,
    missing,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}

export function launchChromium() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: [
      ...(process.getuid && process.getuid() === 0 ? ["--no-sandbox"] : []),
      "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
      // This machine reaches no outside hosts: Chromium must not try.
      "--disable-background-networking", "--disable-component-update", "--disable-sync",
      "--no-first-run", "--disable-default-apps",
      // A container's small /dev/shm must not crash the renderer.
      "--disable-dev-shm-usage",
    ],
  });
}

// Resolves once the program has drawn its window; the page marks that moment.
export function windowPainted(page, timeout = 120000) {
  return page.waitForFunction(
    () => performance.getEntriesByName("cartouchery-window-painted").length > 0, { timeout });
}
