// The player's save folder /saves, kept in the browser's IndexedDB: read in
// before the game starts, written back when the game changed it
// (save_folder_watch.cpp), when the page is hidden and before it unloads.
// The reading starts as soon as the script has run (preInit), while the
// program is still being fetched and compiled: opening the database takes
// the browser a while, in a new profile most of all, and the game waits
// for the folder before its first frame.
Module.preInit = Module.preInit || [];
Module.preInit.push(function () {
  FS.mkdir("/saves");
  FS.mount(IDBFS, {}, "/saves");
  addRunDependency("raketa-saves");
  FS.syncfs(true, function (err) {
    if (err) console.warn("raketa: saved games could not be read from the browser", err);
    removeRunDependency("raketa-saves");
  });
});

Module.raketaSaves = (function () {
  let writing = null;  // the write under way
  let again = false;   // the folder changed again while it was written
  // One write of the folder to IndexedDB.  A browser may drop a transaction
  // without a word (neither done nor failed); a write not reported within
  // 5 s is then made again, so that neither the player's save nor the page
  // waiting for it is left hanging.
  function syncOut(tries) {
    return new Promise(function (resolve) {
      let answered = false;
      const timer = setTimeout(function () {
        if (answered) return;
        answered = true;
        console.warn("raketa: the browser did not answer when saved games were written; writing again");
        resolve(tries > 1 ? syncOut(tries - 1) : undefined);
      }, 5000);
      FS.syncfs(false, function (err) {
        if (answered) return;
        answered = true;
        clearTimeout(timer);
        if (err) console.warn("raketa: saved games could not be kept in the browser", err);
        resolve();
      });
    });
  }
  function writeBack() {
    if (writing) {
      again = true;
      return writing;
    }
    writing = syncOut(3).then(function () {
      writing = null;
      if (again) {
        again = false;
        return writeBack();
      }
    });
    return writing;
  }
  if (typeof document !== "undefined") {
    document.addEventListener("visibilitychange", function () {
      if (document.visibilityState === "hidden") writeBack();
    });
    window.addEventListener("pagehide", writeBack);
  }
  return {writeBack};
})();

// Resolved (to true) once every change to the save folder is in IndexedDB.
Module.savesSynced = function () {
  return Module.raketaSaves.writeBack().then(function () { return true; });
};
