// The page around the game: full screen, saved games to and from the
// player's disk, and a warning before a running game is closed.  Where the
// picture goes and how big it is: layout.js.
"use strict";
(function () {
  const game = document.getElementById("hra");
  const canvas = document.getElementById("hra-platno");
  const message = document.getElementById("zprava");
  const list = document.getElementById("ulozene");
  const SAVES = "/saves";

  function tell(text) { message.textContent = text; }
  // A passing remark goes after a few seconds, or with the next key.
  let remarkTimer = 0;
  function remark(text) {
    tell(text);
    clearTimeout(remarkTimer);
    remarkTimer = setTimeout(function () { if (message.textContent === text) tell(""); }, 6000);
  }
  document.addEventListener("keydown", function () {
    if (remarkTimer) {
      clearTimeout(remarkTimer);
      remarkTimer = 0;
      tell("");
    }
  });

  // This page needs a web server: opened from disk, the browser does not let
  // it read raketa.wasm.  The game in one file, raketa.html, plays from disk.
  const fromDisk = location.protocol === "file:" && !document.documentElement.hasAttribute("data-jeden-soubor");
  function servedFromDiskOnly() {
    const text = "Z disku se tahle stránka nespustí: prohlížeč jí nedovolí načíst soubor raketa.wasm. " +
                 "Z disku otevři soubor raketa.html, který nese celou hru v jednom souboru. " +
                 "Tuhle stránku je třeba otevřít přes webový server.";
    const loading = document.getElementById("nacitani");
    if (loading) loading.textContent = text;
    tell(text);
  }

  // The program is compiled while raketa.js is still on its way and being
  // read, not after it: its bytes are fetched from the head already
  // (preload).  The game in one file hands them over itself, and a page
  // opened from disk fetches nothing.
  function compiledEarly() {
    if (location.protocol === "file:" || typeof WebAssembly !== "object") return null;
    const fetched = fetch("raketa.wasm", {credentials: "same-origin"});
    const compiled = (WebAssembly.compileStreaming
      ? WebAssembly.compileStreaming(fetched)
      : Promise.reject(new Error("no streaming compilation")))
      .catch(function () {
        // A server that does not call it application/wasm: compiled from
        // the bytes instead.
        return fetch("raketa.wasm", {credentials: "same-origin"})
          .then(function (r) { return r.arrayBuffer(); })
          .then(function (bytes) { return WebAssembly.compile(bytes); });
      });
    return function (imports, receive) {
      compiled.then(function (module) {
        return WebAssembly.instantiate(module, imports).then(function (instance) { receive(instance, module); });
      }).catch(function (e) {
        console.warn("raketa: the program could not be started", e);
        if (Module.onAbort) Module.onAbort(e);
      });
      return {};
    };
  }

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (game.requestFullscreen) {
      game.requestFullscreen().catch(function () { tell("Celou obrazovku prohlížeč nepovolil."); });
    }
    canvas.focus();
  }
  document.getElementById("cela-obrazovka").addEventListener("click", toggleFullScreen);

  // --- saved games between the browser and the disk ---
  function savedGames(folder) {
    const found = [];
    for (const name of Module.FS.readdir(folder)) {
      if (name.startsWith(".")) continue;
      const path = folder + "/" + name;
      const mode = Module.FS.stat(path).mode;
      if (Module.FS.isDir(mode)) found.push(...savedGames(path));
      else if (name.toLowerCase().endsWith(Module.raketaSaveSuffix)) found.push(path);  // set by the game
    }
    return found;
  }

  function download(path) {
    const bytes = Module.FS.readFile(path);
    const link = document.createElement("a");
    link.href = URL.createObjectURL(new Blob([bytes], {type: "application/octet-stream"}));
    link.download = path.split("/").pop();
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 1000);
  }

  document.getElementById("stahnout").addEventListener("click", function () {
    if (!Module.FS || !Module.raketaSaveSuffix) return;
    const ul = document.getElementById("seznam");
    ul.textContent = "";
    const games = savedGames(SAVES);
    if (games.length === 0) {
      tell("Zatím tu není žádná uložená hra. Ve hře ukládáš klávesou F3 nebo tlačítkem Uložit.");
      list.hidden = true;
      canvas.focus();
      return;
    }
    for (const path of games) {
      const li = document.createElement("li");
      const b = document.createElement("button");
      b.type = "button";
      b.textContent = path.slice(SAVES.length + 1);
      b.addEventListener("click", function () { download(path); });
      li.appendChild(b);
      ul.appendChild(li);
    }
    tell("");
    list.hidden = false;
  });
  document.getElementById("zavrit").addEventListener("click", function () {
    list.hidden = true;
    canvas.focus();
  });

  document.getElementById("soubor").addEventListener("change", function (e) {
    const file = e.target.files[0];
    e.target.value = "";
    if (!file || !Module.FS) return;
    const name = file.name.replace(/[\/\\]/g, "_").replace(/^\.+/, "");
    file.arrayBuffer().then(function (buffer) {
      Module.FS.writeFile(SAVES + "/" + name, new Uint8Array(buffer));
      // An open F2 dialog lists it at once.
      if (Module._raketa_web_saves_changed) Module._raketa_web_saves_changed();
      return Module.savesSynced();
    }).then(function () {
      remark("Hra „" + name + "“ je mezi uloženými hrami. Ve hře ji nahraješ klávesou F2 nebo tlačítkem Nahrát.");
      canvas.focus();
    }).catch(function () {
      tell("Soubor se nepodařilo nahrát.");
    });
  });

  // Ctrl+W and closing the tab cannot be stopped: the browser asks first
  // (not on the test clock, where a test loads the page again at will).
  window.addEventListener("beforeunload", function (e) {
    if (!Module.raketaRunning || Module.raketaManual) return;
    Module.savesSynced();
    e.preventDefault();
    e.returnValue = "";
  });

  // F10 ended the game: the page says so and offers another.
  function gameEnded() {
    clearTimeout(remarkTimer);
    tell("Hra skončila. ");
    const again = document.createElement("button");
    again.type = "button";
    again.id = "hrat-znovu";
    again.textContent = "Hrát znovu";
    again.addEventListener("click", function () { location.reload(); });
    message.appendChild(again);
    canvas.classList.add("skoncila");
    again.focus();
  }

  window.Module = {
    canvas: canvas,
    // Made now, while the program is still on its way, rather than on the
    // first frame (canvas_output.cpp): the page is black behind it anyway.
    // Nothing is drawn on it before the game's first frame: a canvas drawn
    // on costs the browser a copy of its pixels at every frame the page
    // shows while it starts.
    raketaContext: canvas.getContext("2d", {alpha: false}),
    raketaToggleFullScreen: toggleFullScreen,
    raketaOnFirstFrame: function () { document.getElementById("nacitani").remove(); },
    raketaOnGameOver: gameEnded,
    raketaOnStorageRefused: function () {
      tell("Prohlížeč stránce nedovolil nic ukládat: uložené hry vydrží jen do zavření stránky. " +
           "Chceš-li si hru nechat, stáhni ji tlačítkem „Stáhnout uloženou hru“.");
    },
    printErr: function (text) { console.warn(text); },
    instantiateWasm: compiledEarly() || undefined,
    onAbort: function () {
      const loading = document.getElementById("nacitani");
      if (fromDisk) return;
      if (loading) loading.textContent = "Hru se nepodařilo spustit.";
      tell("Hra se zastavila chybou. Když stránku načteš znovu, hra se spustí znovu.");
      Module.raketaRunning = false;
    },
  };
  // The canvas takes the keys once the page is laid out (layout.js).
  if (fromDisk) servedFromDiskOnly();
})();
