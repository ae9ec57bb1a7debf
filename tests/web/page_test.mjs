// The web page in a real browser: Debian's headless Chromium, driven with
// its own mouse and keyboard, on the site served from 127.0.0.1.
//
//   node page_test.mjs SITE_DIR LINUX_PROGRAM
//
// The Linux program, run first on a private X screen, gives what the page
// must show and save: its start screen, its window after B, A and C, and its
// bitmap of BAC.
import { execFileSync } from "node:child_process";
import { existsSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { launchChromium, serveSite, windowPainted } from "./browser.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const site = resolve(process.argv[2]);
const linuxProgram = process.argv[3] ? resolve(process.argv[3]) : "";
const WIDTH = 591, HEIGHT = 521;
// Top-left corners of the keys (60 x 60) and points on the buttons.
const KEYS = { A: [42, 200], B: [98, 201], C: [154, 201] };
const SAVE = [239, 464], CLEAR = [360, 464];

let passed = 0;
const failures = [];
function check(condition, what) {
  if (condition) passed++;
  else {
    failures.push(what);
    console.log("FAIL:", what);
  }
}

const rgb = (p, i) => `rgb(${p[i]}, ${p[i + 1]}, ${p[i + 2]})`;

// Where two 591 x 521 pictures differ, named by pixel; the actual one may be
// `scale` times larger, each window pixel a block of device pixels.
function differences(expected, actual, scale = 1) {
  const found = [];
  const stride = WIDTH * scale * 3;
  for (let y = 0; y < HEIGHT; y++)
    for (let x = 0; x < WIDTH; x++) {
      const e = (y * WIDTH + x) * 3;
      for (let dy = 0; dy < scale; dy++)
        for (let dx = 0; dx < scale; dx++) {
          const a = (y * scale + dy) * stride + (x * scale + dx) * 3;
          if (actual[a] !== expected[e] || actual[a + 1] !== expected[e + 1] || actual[a + 2] !== expected[e + 2]) {
            found.push({ x, y, text: `(${x}, ${y}) is ${rgb(actual, a)}, expected ${rgb(expected, e)}` });
            dy = dx = scale;
          }
        }
    }
  return found;
}

function described(found) {
  return found.length
    ? `${found.length} pixels differ, first ${found.slice(0, 4).map((d) => d.text).join("; ")}`
    : "equal";
}

// The window's pixels as raw RGB, through ImageMagick, at the page's ratio.
async function windowPixels(page) {
  const box = await (await page.$("#screen")).boundingBox();
  const png = await page.screenshot({ clip: { x: box.x, y: box.y, width: WIDTH, height: HEIGHT } });
  return execFileSync("convert", ["png:-", "-depth", "8", "rgb:-"], { input: png, maxBuffer: 64 << 20 });
}

// Waits until the window shows the expected pixels; the differences left
// when it does not within the time. With `away`, waits until it does not.
async function shows(page, expected, scale = 1, timeout = 20000, away = false) {
  const end = Date.now() + timeout;
  for (;;) {
    const found = differences(expected, await windowPixels(page), scale);
    if (!found.length !== away || Date.now() > end) return found;
    await new Promise((r) => setTimeout(r, 100));
  }
}

// Checks that the window comes to show the expected pixels, naming those
// that differ when it does not.
async function checkShows(page, expected, what, scale = 1) {
  const found = await shows(page, expected, scale);
  check(!found.length, `${what}: ${described(found)}`);
}

async function click(page, [x, y]) {
  const box = await (await page.$("#screen")).boundingBox();
  await page.mouse.click(box.x + x, box.y + y);
}

async function reasonShown(page) {
  await page.waitForSelector("#failed:not([hidden])", { timeout: 30000 });
  return page.$eval("#reason", (e) => e.textContent);
}

// Downloads land in a folder of the test's; each resolves with its file.
async function downloads(browser, folder) {
  const cdp = await browser.target().createCDPSession();
  await cdp.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: folder, eventsEnabled: true });
  const names = new Map();
  const waiting = [];
  cdp.on("Browser.downloadWillBegin", (e) => names.set(e.guid, e.suggestedFilename));
  cdp.on("Browser.downloadProgress", (e) => {
    if (e.state === "completed") waiting.shift()?.(names.get(e.guid));
  });
  return () => new Promise((resolve, reject) => {
    waiting.push(resolve);
    setTimeout(() => reject(new Error("no download within 30 s")), 30000);
  });
}

async function main() {
  if (!linuxProgram || !existsSync(linuxProgram))
    throw new Error(`no Linux program to compare with ("${process.argv[3] || ""}"): configure the wasm ` +
                    "preset with -DCARTOUCHERY_LINUX_PROGRAM=build/release/cartouchery, as scripts/test-web.sh does");
  const work = mkdtempSync(join(tmpdir(), "cartouchery-web-"));
  execFileSync("/usr/bin/python3", [join(here, "linux_reference.py"), linuxProgram, work], { stdio: "inherit" });
  const linux = (name) => readFileSync(join(work, name));
  const server = await serveSite(site);
  const browser = await launchChromium();
  try {
    await browser.defaultBrowserContext().overridePermissions(new URL(server.url).origin,
                                                              ["clipboard-read", "clipboard-write"]);
    const page = await browser.newPage();
    page.on("pageerror", (e) => check(false, `no error in the page: ${e.message}`));
    await page.setViewport({ width: 1000, height: 900 });
    await page.goto(server.url);
    await windowPainted(page);
    const received = await page.$eval("#received", (e) => e.textContent);
    check(/^(\d+\.\d) MB of \1 MB$/.test(received), `the progress bar counted the whole program: "${received}"`);
    check(await page.title() === "The Cartouchery", `the title "The Cartouchery", found "${await page.title()}"`);
    const box = await (await page.$("#screen")).boundingBox();
    check(box.width === WIDTH && box.height === HEIGHT, `the window ${WIDTH} x ${HEIGHT}, found ${box.width} x ${box.height}`);
    const start = linux("start.rgb");
    const first = differences(start, await windowPixels(page));
    check(!first.length, `the start screen equals Linux's: ${described(first)}`);

    // A key shows its pressed face while the button is down.
    const [bx, by] = KEYS.B;
    await page.mouse.move(box.x + bx + 30, box.y + by + 30);
    await page.mouse.down();
    const pressed = await shows(page, start, 1, 20000, true);
    check(pressed.length && pressed.every(({ x, y }) => x >= bx && x < bx + 60 && y >= by && y < by + 60),
          `while the mouse is down on B, only B's face changes: ${described(pressed)}`);
    await page.mouse.up();

    for (const key of "AC") await click(page, [KEYS[key][0] + 30, KEYS[key][1] + 30]);
    const written = linux("written.rgb");
    await checkShows(page, written, "after B, A and C the window equals Linux's");

    // Clear, then the same name typed.
    await click(page, CLEAR);
    await checkShows(page, start, "Clear empties the strip");
    await page.keyboard.type("bac");
    await checkShows(page, written, "typing b, a, c writes BAC");
    // Copy puts the signs on the browser's clipboard as text (the picture
    // too, where the browser takes more than one kind at once).
    await page.keyboard.down("Control");
    await page.keyboard.press("c");
    await page.keyboard.up("Control");
    const copied = await page.waitForFunction(async () => (await navigator.clipboard.readText()) || null,
                                              { timeout: 10000 }).then((h) => h.jsonValue(), () => "");
    check(copied === "\u{130C0}\u{1313F}\u{133A1}", `Copy puts the signs of BAC on the clipboard, found "${copied}"`);

    // Save: the browser's own prompt asks for the name; a name of another
    // type is refused with a message and asked again; the download is the
    // desktop's bitmap, named as given.
    const downloaded = await downloads(browser, work);
    const answers = ["BAC.jpg", "OK", "folder/mummy"];
    const asked = [];
    page.on("dialog", async (dialog) => {
      asked.push(`${dialog.type()}: ${dialog.message()} [${dialog.defaultValue()}]`);
      const answer = answers.shift();
      if (dialog.type() === "prompt") await dialog.accept(answer);
      else await dialog.accept();
    });
    let download = downloaded();
    await click(page, SAVE);
    const bitmapName = await download;
    check(asked.length === 3 && asked[0].startsWith("prompt") && asked[0].endsWith("[BAC.bmp]") &&
          asked[1].startsWith("alert") && asked[1].includes("BAC.jpg") && asked[2].startsWith("prompt"),
          `Save asks for a name, suggesting BAC.bmp, and refuses a .jpg: ${asked.join(" | ")}`);
    check(bitmapName === "mummy.bmp", `the download is named mummy.bmp, found ${bitmapName}`);
    const bitmap = existsSync(join(work, "mummy.bmp")) ? readFileSync(join(work, "mummy.bmp")) : Buffer.alloc(0);
    check(bitmap.length >= 26 && bitmap.toString("latin1", 0, 2) === "BM" &&
          bitmap.readInt32LE(18) === 567 && bitmap.readInt32LE(22) === 53,
          `a 567 x 53 bitmap, found ${bitmap.length} bytes`);
    check(bitmap.equals(linux("BAC.bmp")), "the downloaded bitmap is byte for byte the Linux program's");

    answers.push("BAC.png");
    download = downloaded();
    await click(page, SAVE);
    const pngName = await download;
    const png = existsSync(join(work, "BAC.png")) ? readFileSync(join(work, "BAC.png")) : Buffer.alloc(0);
    check(pngName === "BAC.png" && png.length > 24 && png.readUInt32BE(16) === 567 && png.readUInt32BE(20) === 53,
          `a .png name downloads a 567 x 53 PNG picture, found ${pngName}, ${png.length} bytes`);

    // Quit, from the menu, ends the program; the page offers to start again.
    await page.mouse.click(box.x + 5, box.y + 90, { button: "right" });
    await shows(page, written, 1, 10000, true); // the menu is drawn
    await page.mouse.click(box.x + 40, box.y + 330);
    const ended = await reasonShown(page);
    const again = await page.$eval("#retry", (e) => e.textContent);
    check(ended === "The Cartouchery has ended." && again === "Start again",
          `Quit says the program has ended and offers to start again: "${ended}", "${again}"`);
    await Promise.all([page.waitForNavigation(), page.click("#retry")]);
    await windowPainted(page).then(() => check(true), () => check(false, "Start again starts the program"));
    await page.close();

    // At a device pixel ratio of 2 each window pixel is a 2 x 2 block.
    const sharp = await browser.newPage();
    await sharp.setViewport({ width: 1000, height: 900, deviceScaleFactor: 2 });
    await sharp.goto(server.url + "cartouchery.html");
    await windowPainted(sharp);
    await checkShows(sharp, start, "at a device pixel ratio of 2, the start screen in 2 x 2 blocks", 2);
    await sharp.close();

    // What goes wrong is said on the page, with a way on where there is one.
    // A context of its own starts with an empty cache.
    server.missing.add("cartouchery.wasm");
    const broken = await (await browser.createBrowserContext()).newPage();
    await broken.goto(server.url);
    const reason = await reasonShown(broken);
    check(/could not be downloaded.*404/.test(reason), `a missing .wasm is reported: "${reason}"`);
    check(await broken.$eval("#retry", (e) => !e.hidden), "a missing .wasm offers Try again");
    server.missing.clear();
    await broken.click("#retry");
    await windowPainted(broken, 60000).then(() => check(true), () => check(false, "Try again loads the program once it is there"));
    await broken.close();

    for (const [what, setUp, expected] of [
      ["no WebAssembly", () => { delete window.WebAssembly; }, /cannot run WebAssembly/],
      ["no WebGL", () => { HTMLCanvasElement.prototype.getContext = () => null; }, /WebGL/],
    ]) {
      const lacking = await browser.newPage();
      await lacking.evaluateOnNewDocument(setUp);
      await lacking.goto(server.url);
      const said = await reasonShown(lacking);
      check(expected.test(said) && await lacking.$eval("#retry", (e) => e.hidden), `${what} is said plainly: "${said}"`);
      await lacking.close();
    }

    const opened = await browser.newPage();
    await opened.goto("file://" + join(site, "cartouchery.html"));
    const fromDisk = await reasonShown(opened);
    check(/served over HTTP/.test(fromDisk), `a page opened from the disk says it must be served: "${fromDisk}"`);
  } finally {
    await browser.close();
    await server.close();
    rmSync(work, { recursive: true, force: true });
  }
  console.log(`${passed} passed, ${failures.length} failed`);
  return failures.length || !passed ? 1 : 0;
}

process.exitCode = await main().catch((e) => {
  console.log("FAIL:", e.stack || e);
  return 1;
});
