// The running game kept when the page goes: closed, reloaded, or hidden
// (a phone may end a hidden page without a word).  The game writes its
// world to /saves, and the file goes to IndexedDB at once, in one write
// issued before the page is gone: the folder's usual write-back takes
// several round trips, which a closing page does not live to see.  Listed
// before saves.js, so this comes first.  A page that goes raises several of
// these events in a row; the first keeps the game, and the others leave the
// folder alone while it is written.
Module.raketaKeep = (function () {
  let keeping = null;

  // One transaction of one put, committed at once, in the entry format of
  // the folder's own write-back.
  function putAtOnce(path) {
    const db = IDBFS.dbs["/saves"];
    if (!db || !Module.FS.analyzePath(path).exists) return;
    let entry = null;
    IDBFS.loadLocalEntry(path, function (err, e) { if (!err) entry = e; });
    if (!entry) return;
    try {
      const transaction = db.transaction([IDBFS.DB_STORE_NAME], "readwrite");
      transaction.objectStore(IDBFS.DB_STORE_NAME).put(entry, path);
      if (transaction.commit) transaction.commit();
    } catch (e) {
      console.warn("raketa: the kept game could not be written to the browser", e);
    }
  }

  return function () {
    if (keeping) return keeping;
    if (!Module.raketaRunning || typeof Module._raketa_web_keep !== "function") return Promise.resolve();
    // A save flushes its folder to IndexedDB by itself (fsync), which makes
    // the game's loop wait for the browser; a page event cannot wait, so
    // here the flush is the one put below.
    const flush = IDBFS.syncfs;
    IDBFS.syncfs = null;
    try {
      Module._raketa_web_keep();
    } finally {
      IDBFS.syncfs = flush;
    }
    putAtOnce(Module.raketaKeptGame);  // the game names it (web_backend.cpp)
    keeping = Module.raketaSaves.writeBack().then(function () { keeping = null; });
    return keeping;
  };
})();
if (typeof document !== "undefined") {
  document.addEventListener("visibilitychange", function () {
    if (document.visibilityState === "hidden") Module.raketaKeep();
  });
  window.addEventListener("pagehide", function () { Module.raketaKeep(); });
  window.addEventListener("beforeunload", function () { Module.raketaKeep(); });
}
