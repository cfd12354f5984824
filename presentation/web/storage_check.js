// Whether the browser keeps anything for the page: some refuse IndexedDB
// (a private window, storage switched off, a file opened from disk in some
// browsers).  The saves then last only until the page is closed, and the
// page says so (Module.raketaOnStorageRefused).
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  function refused(why) {
    console.warn("raketa: the browser keeps no saved games", why);
    if (Module.raketaOnStorageRefused) Module.raketaOnStorageRefused();
  }
  const probe = "raketa-zkouska-ukladani";
  try {
    const asked = indexedDB.open(probe);
    asked.onerror = function () { refused(asked.error); };
    asked.onblocked = function () { refused("blocked"); };
    asked.onsuccess = function () {
      asked.result.close();
      indexedDB.deleteDatabase(probe);
    };
  } catch (e) {
    refused(e);
  }
});
