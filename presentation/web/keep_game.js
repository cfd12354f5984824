// The running game kept when the page goes: closed, reloaded, or hidden
// (a phone may end a hidden page without a word).  The game writes its
// world to /saves, then the folder is written to IndexedDB at once, while
// the page is still there.  Listed before saves.js, so this comes first.
Module.raketaKeep = function () {
  if (!Module.raketaRunning || typeof Module._raketa_web_keep !== "function") return Promise.resolve();
  Module._raketa_web_keep();
  return Module.raketaSaves.writeBack();
};
if (typeof document !== "undefined") {
  document.addEventListener("visibilitychange", function () {
    if (document.visibilityState === "hidden") Module.raketaKeep();
  });
  window.addEventListener("pagehide", function () { Module.raketaKeep(); });
  window.addEventListener("beforeunload", function () { Module.raketaKeep(); });
}
