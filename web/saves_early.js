// Whether the browser keeps any saved games for this page at all, asked as
// soon as the page starts.  In a new profile, opening IndexedDB takes the
// browser a few hundred milliseconds, and the game waited for it before its
// first frame; the browser's list of databases says sooner that there is
// none.  Then the folder /saves starts empty, and saves.js makes the
// database once the game is showing.  Otherwise, or where the browser
// cannot tell, saves.js reads the database before the game starts.
"use strict";
window.raketaSavesEarly = (function () {
  try {
    if (!window.indexedDB || typeof indexedDB.databases !== "function") return null;
    return indexedDB.databases().then(function (databases) {
      if (databases.some(function (d) { return d.name === "/saves"; })) return null;
      return {none: true};
    }, function () { return null; });
  } catch (e) {
    // Storage refused: saves.js finds out and tells the player.
    return null;
  }
})();
