// What the page and its tests see of the running game:
//   Module.raketaReady    true once the game's first frame is on the canvas
//                         (with the test clock: once the intro's first
//                         picture is)
//   Module.raketaManual   true when the page's address has "?manual": then
//                         no timer runs by itself, the page may be left
//                         without a warning, and
//   Module.runPeriods(n)  runs n periods of 40 ms as a replay's "wait n"
//                         does (the frame, unless the canvas has lost the
//                         keyboard, then four panel ticks); returns a promise
//                         resolved once they ran and the canvas shows them.
//                         A frame that opens a file dialog or the error box
//                         ends only when the box is closed (by keys); the
//                         box is on the canvas meanwhile
//   Module.dialogOpen()   true while a file dialog or the error box is open
//                         (web_boxes.cpp)
//   Module.savesSynced()  (saves.js) a promise resolved (to true) once the
//                         save folder is kept in IndexedDB
//   Module.raketaRunning  true from the first frame until the game ends
//   Module.raketaAfterFirstFrame(f)  runs f once the first frame is on the
//                         canvas, after the game's turn (at once if it is):
//                         work the first frame does not need waits for it
// The canvas itself (getImageData) shows the game's pixels.  Keys come from
// real key events on the canvas in either clock.
Module.raketaManual = typeof location !== "undefined" && /[?&]manual(&|=|$)/.test(location.search);
Module.raketaRunning = false;
Module.raketaReady = false;
Module.raketaHooks = (function () {
  let asked = 0;
  let boxOpen = false;
  Module.dialogOpen = function () { return boxOpen; };
  let waiting = [];
  let afterFirstFrame = [];
  Module.raketaAfterFirstFrame = function (f) {
    if (afterFirstFrame) afterFirstFrame.push(f);
    else setTimeout(f, 0);
  };
  Module.runPeriods = function (n) {
    asked += n;
    return new Promise(function (resolve) { waiting.push(resolve); });
  };
  return {
    takePeriods() {
      const n = asked;
      asked = 0;
      return n;
    },
    periodsRun() {
      const done = waiting;
      waiting = [];
      done.forEach(function (resolve) { resolve(); });
    },
    firstFrameShown() {
      if (Module.raketaRunning) return;
      Module.raketaRunning = true;
      // The browser shows the frame once the game gives it its turn: the
      // time logged is that of the browser's next frame.
      requestAnimationFrame(function () {
        console.log("raketa: first frame shown " + Math.round(performance.now()) + " ms after the page began loading");
      });
      if (Module.raketaOnFirstFrame) Module.raketaOnFirstFrame();
      Module.raketaReady = true;
      const after = afterFirstFrame || [];
      afterFirstFrame = null;
      after.forEach(function (f) { setTimeout(f, 0); });
    },
    boxOpened(open) { boxOpen = open; },
    gameOver() {
      Module.raketaRunning = false;
      boxOpen = false;
      if (Module.raketaOnGameOver) Module.raketaOnGameOver();
    },
  };
})();

// Ctrl+V on the canvas: the browser's own paste brings the clipboard's text.
if (typeof document !== "undefined") {
  document.addEventListener("paste", function (e) {
    if (document.activeElement !== Module.canvas || !e.clipboardData) return;
    const text = e.clipboardData.getData("text");
    e.preventDefault();
    const size = lengthBytesUTF8(text) + 1;
    const at = _malloc(size);
    stringToUTF8(text, at, size);
    _raketa_web_paste(at);
    _free(at);
  });
}
