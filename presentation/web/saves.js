// The player's save folder /saves, kept in the browser's IndexedDB: read in
// before the game starts, written back when the game changed it
// (save_folder_watch.cpp), when the page is hidden and before it unloads.
// Opening the database and reading it take the browser a while, in a new
// profile most of all, so both are done as soon as the script has run
// (preInit), while the program is still being fetched and compiled, unless
// the page found that there is no database to read (web/saves_early.js).
// The files go into the folder only once the program's memory exists
// (preRun): written earlier, each file is left empty and a reload's save is
// lost.
Module.preInit = Module.preInit || [];
Module.preInit.push(function () {
  FS.mkdir("/saves");
  FS.mount(IDBFS, {}, "/saves");
  // The database opened here stays open: the kept game is written into it
  // as the page goes (keep_game.js), with no time left to open it then.  A
  // browser that refuses it keeps nothing, and the page says so.
  function open(done) {
    IDBFS.getDB("/saves", function (err, db) {
      if (err) {
        Module.raketaSaves.refused = true;
        console.warn("raketa: the browser keeps no saved games", err);
        if (Module.raketaOnStorageRefused) Module.raketaOnStorageRefused();
      }
      done(err, db);
    });
  }
  function readHere() {
    return new Promise(function (done) {
      open(function (err, db) {
        if (err) return done({err: err});
        try {
          const transaction = db.transaction([IDBFS.DB_STORE_NAME], "readonly");
          const entries = [];
          transaction.onerror = function () { done({err: transaction.error}); };
          transaction.onabort = function () { done({err: transaction.error || "aborted"}); };
          transaction.oncomplete = function () { done({entries: entries}); };
          transaction.objectStore(IDBFS.DB_STORE_NAME).openCursor().onsuccess = function (e) {
            const cursor = e.target.result;
            if (!cursor) return;
            entries.push([cursor.key, cursor.value]);
            cursor.continue();
          };
        } catch (e) {
          done({err: e});
        }
      });
    });
  }
  const early = typeof window === "object" && window.raketaSavesEarly;
  Module.raketaSavesRead = Promise.resolve(early || null).then(function (found) {
    if (found && found.none) {
      // Made once the game is showing: making it takes the browser a while,
      // and the machine's time is the first frame's.
      Module.raketaAfterFirstFrame(function () { open(function () {}); });
      return {entries: []};
    }
    return readHere();
  });
});
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  addRunDependency("raketa-saves");
  Module.raketaSavesRead.then(function (read) {
    let err = read.err;
    // Folders before the files in them.
    const entries = (read.entries || []).sort(function (a, b) { return a[0] < b[0] ? -1 : a[0] > b[0] ? 1 : 0; });
    for (let i = 0; i < entries.length && !err; i++) {
      IDBFS.storeLocalEntry(entries[i][0], entries[i][1], function (e) { if (e) err = e; });
    }
    if (err) {
      console.warn("raketa: saved games could not be read from the browser", err);
      Module.raketaSaves.unread = true;
    }
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
    // A folder that was not read in whole must not replace the one kept:
    // the write would remove every save it lacks.  Nor is there anything
    // to write to where the browser refused the database.
    if (Module.raketaSaves.unread || Module.raketaSaves.refused) return Promise.resolve();
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
  return {writeBack, unread: false, refused: false};
})();

// Resolved (to true) once every change to the save folder is in IndexedDB.
Module.savesSynced = function () {
  return Module.raketaSaves.writeBack().then(function () { return true; });
};
