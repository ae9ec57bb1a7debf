// The web page's budgets: its size as sent, raw and gzip-compressed; the
// time from navigation to the first painted window, as the page itself marks
// it through the Performance API, cold (a fresh browser context, nothing
// cached) and warm (a reload); and the memory the browser's processes hold
// with the window shown.
//
//   node bench/web_page.mjs SITE_DIR [RUNS]
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { join, resolve } from "node:path";
import { gzipSync } from "node:zlib";
import { launchChromium, serveSite, windowPainted } from "../tests/web/browser.mjs";

const site = resolve(process.argv[2]);
const runs = Number(process.argv[3] || 10);
const MB = (n) => (n / 1e6).toFixed(2) + " MB";
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// What a visit downloads.
let raw = 0, packed = 0;
for (const name of ["cartouchery.html", "cartouchery.css", "loader.js", "cartouchery.js", "cartouchery.wasm", "cartouchery.ico"]) {
  const bytes = readFileSync(join(site, name));
  const gz = gzipSync(bytes, { level: 9 }).length;
  raw += bytes.length;
  packed += gz;
  console.log(`${name.padEnd(18)} ${MB(bytes.length).padStart(9)} raw ${MB(gz).padStart(9)} gzip`);
}
console.log(`${"the page".padEnd(18)} ${MB(raw).padStart(9)} raw ${MB(packed).padStart(9)} gzip`);

async function painted(page) {
  await windowPainted(page);
  return page.evaluate(() => performance.getEntriesByName("cartouchery-window-painted")[0].startTime);
}

const server = await serveSite(site);
const browser = await launchChromium();
try {
  const cold = [];
  for (let i = 0; i < runs; i++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.goto(server.url);
    cold.push(await painted(page));
    await context.close();
  }
  const page = await browser.newPage();
  await page.goto(server.url);
  await painted(page);
  const warm = [];
  for (let i = 0; i < runs; i++) {
    await page.reload();
    warm.push(await painted(page));
  }
  const fmt = (values) => `median ${Math.round(median(values))} ms (${values.map(Math.round).join(", ")})`;
  console.log(`navigation to the first painted window, cold: ${fmt(cold)}`);
  console.log(`navigation to the first painted window, warm: ${fmt(warm)}`);

  // Memory with the window shown: the renderer's and the GPU process's
  // resident sets, and the page's JavaScript heap.
  const { JSHeapUsedSize } = await page.metrics();
  const processes = execFileSync("ps", ["-eo", "rss=,args="], { encoding: "utf8" }).split("\n")
    .filter((line) => line.includes("chromium") && /--type=(renderer|gpu-process)/.test(line));
  const rss = (type) => Math.max(0, ...processes.filter((l) => l.includes(`--type=${type}`))
    .map((l) => Number(l.trim().split(/\s+/)[0]) * 1024));
  console.log(`memory: renderer ${MB(rss("renderer"))} resident, GPU process ${MB(rss("gpu-process"))} ` +
              `resident, JavaScript heap ${MB(JSHeapUsedSize)} used`);
} finally {
  await browser.close();
  await server.close();
}
