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
  function writeBack() {
    if (writing) {
      again = true;
      return writing;
    }
    writing = new Promise(function (resolve) {
      FS.syncfs(false, function (err) {
        if (err) console.warn("raketa: saved games could not be kept in the browser", err);
        resolve();
      });
    }).then(function () {
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
