// Starts The Cartouchery in this page: checks what the browser offers,
// downloads the program with a progress bar, and says plainly what went
// wrong, with a way to try again.
(function () {
  "use strict";
  const script = document.currentScript;
  const program = script.dataset.program;
  const programBytes = Number(script.dataset.wasmBytes) || 0;
  const element = (id) => document.getElementById(id);
  const windowArea = element("window");

  function megabytes(n) {
    return (n / 1e6).toFixed(1) + " MB";
  }

  // What the "Try again" button does now: nothing shown when nothing would help.
  let retry = null;
  function fail(reason, then, label = "Try again") {
    retry = then;
    element("loading").hidden = true;
    element("reason").textContent = reason;
    element("retry").hidden = !then;
    element("retry").textContent = label;
    element("failed").hidden = false;
  }
  // A program that stopped cannot start again in place: the page loads anew.
  const reload = () => location.reload();

  function webGLWorks() {
    try {
      const canvas = document.createElement("canvas");
      return Boolean(canvas.getContext("webgl2") || canvas.getContext("webgl"));
    } catch (e) {
      return false;
    }
  }

  // The runtime script defines createQtAppInstance; a failed one is removed
  // so that a retry asks for it again.
  let runtime = null;
  function loadRuntime() {
    if (!runtime) {
      runtime = new Promise((resolve, reject) => {
        const tag = document.createElement("script");
        tag.src = program + ".js";
        tag.onload = resolve;
        tag.onerror = () => {
          tag.remove();
          runtime = null;
          reject(new Error("the file " + program + ".js could not be loaded"));
        };
        document.body.appendChild(tag);
      });
    }
    return runtime;
  }

  // The program's code, counted in as it arrives. The total is the size the
  // build wrote into this page; the server may send the file compressed.
  async function downloadProgram(progress) {
    const response = await fetch(program + ".wasm");
    if (!response.ok)
      throw new Error("the server answered " + response.status + " " + response.statusText +
                      " for " + program + ".wasm");
    const total = programBytes || Number(response.headers.get("Content-Length")) || 0;
    const parts = [];
    let received = 0;
    const reader = response.body.getReader();
    for (;;) {
      const { done, value } = await reader.read();
      if (done) break;
      parts.push(value);
      received += value.length;
      progress(received, total);
    }
    const bytes = new Uint8Array(received);
    let at = 0;
    for (const part of parts) {
      bytes.set(part, at);
      at += part.length;
    }
    return WebAssembly.compile(bytes);
  }

  function showProgress(received, total) {
    const bar = element("progress");
    if (total) {
      bar.max = total;
      bar.value = Math.min(received, total);
      element("received").textContent = megabytes(Math.min(received, total)) + " of " + megabytes(total);
    } else {
      element("received").textContent = megabytes(received);
    }
  }

  async function start() {
    if (location.protocol === "file:") {
      fail("This page must be served over HTTP: browsers do not run WebAssembly from a file " +
           "opened on the disk. In its folder, run python3 -m http.server and open " +
           "http://localhost:8000/cartouchery.html.", null);
      return;
    }
    if (typeof WebAssembly !== "object" || typeof WebAssembly.compile !== "function") {
      fail("This browser cannot run WebAssembly, which The Cartouchery needs. A current " +
           "Firefox, Chrome, Edge or Safari can.", null);
      return;
    }
    if (!webGLWorks()) {
      fail("This browser has WebGL turned off or unavailable, and The Cartouchery draws its " +
           "window through it. Turn on hardware acceleration, or try another browser.", null);
      return;
    }
    element("failed").hidden = true;
    element("loading").hidden = false;
    let module;
    try {
      [module] = await Promise.all([downloadProgram(showProgress), loadRuntime()]);
    } catch (e) {
      fail("The program could not be downloaded: " + e.message + ".", start);
      return;
    }
    // Past this point a fault in the program surfaces as an uncaught error.
    addEventListener("error", (e) => fail("The program stopped: " + e.message + ".", reload),
                     { once: true });
    addEventListener("cartouchery-ended", () => fail("The Cartouchery has ended.", reload, "Start again"));
    addEventListener("cartouchery-window-painted", () => {
      windowArea.classList.add("running");
      element("screen").focus();
    }, { once: true });
    createQtAppInstance({
      qtContainerElements: [element("screen")],
      instantiateWasm(imports, instantiated) {
        WebAssembly.instantiate(module, imports).then(
          (instance) => instantiated(instance, module),
          (e) => fail("The program could not be started: " + e.message + ".", reload));
        return {};
      },
      locateFile: (name) => name,
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      onAbort: (what) => fail("The program stopped: " + what + ".", reload),
    });
  }

  element("retry").addEventListener("click", () => retry && retry());
  start();
})();
