// The page around the game: the canvas scaled to the window (4:3, black
// bars, crisp on HiDPI screens), full screen, saved games to and from the
// player's disk, and a warning before a running game is closed.
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
  canvas.addEventListener("keydown", function () {
    if (remarkTimer) {
      clearTimeout(remarkTimer);
      remarkTimer = 0;
      tell("");
    }
  });

  // The largest size that fits, counted in the screen's own pixels: when
  // the game is enlarged its pixels stay sharp instead of blurred.
  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const box = game.getBoundingClientRect();
    const scale = Math.min((box.width * ratio) / 1024, (box.height * ratio) / 768);
    if (!(scale > 0)) return;
    canvas.style.width = Math.floor((1024 * scale) / ratio) + "px";
    canvas.style.height = Math.floor((768 * scale) / ratio) + "px";
    canvas.classList.toggle("ostre", scale >= 1);
  }
  // The game's area changes with the window, full screen, and the page's
  // own lines above it (a message, the list of saved games).
  if (window.ResizeObserver) new ResizeObserver(fit).observe(game);
  window.addEventListener("resize", fit);
  document.addEventListener("fullscreenchange", fit);
  fit();

  function toggleFullScreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else if (game.requestFullscreen) {
      game.requestFullscreen().catch(function () { tell("Celou obrazovku prohlížeč nepovolil."); });
    }
    canvas.focus();
  }
  document.getElementById("cela-obrazovka").addEventListener("click", toggleFullScreen);
  // A click anywhere on the game gives it the keyboard back.
  game.addEventListener("pointerdown", function () { setTimeout(function () { canvas.focus(); }, 0); });

  // --- saved games between the browser and the disk ---
  function savedGames(folder) {
    const found = [];
    for (const name of Module.FS.readdir(folder)) {
      if (name.startsWith(".")) continue;
      const path = folder + "/" + name;
      const mode = Module.FS.stat(path).mode;
      if (Module.FS.isDir(mode)) found.push(...savedGames(path));
      else if (/\.sav$/i.test(name)) found.push(path);
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
    if (!Module.FS) return;
    const ul = document.getElementById("seznam");
    ul.textContent = "";
    const games = savedGames(SAVES);
    if (games.length === 0) {
      tell("Zatím tu není žádná uložená hra (ve hře se ukládá klávesou F3).");
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
      remark("Hra „" + name + "“ je mezi uloženými hrami: ve hře ji nahrajete klávesou F2.");
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
    raketaToggleFullScreen: toggleFullScreen,
    raketaOnFirstFrame: function () { document.getElementById("nacitani").remove(); },
    raketaOnGameOver: gameEnded,
    printErr: function (text) { console.warn(text); },
    onAbort: function () {
      const loading = document.getElementById("nacitani");
      if (loading) loading.textContent = "Hru se nepodařilo spustit.";
      tell("Hra se zastavila chybou; znovunačtení stránky ji spustí znovu.");
      Module.raketaRunning = false;
    },
  };
  canvas.focus();
})();
