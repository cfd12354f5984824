// The game's sentences as the page's own text (page_controls.js brings
// them; they are those speech says, whether speech is on or not):
// - #zaznam, the record of the game: every sentence of the game for the
//   whole visit, in the page's own font and size (the browser's zoom and
//   font settings apply), to be read, selected, searched and saved as a
//   text file ("Stáhnout záznam hry");
// - #hlasatel, a polite live region: screen readers read each sentence as
//   it comes, those of the dialogs too.  Only the last few stay in it.
Module.raketaPageText = (function () {
  const doc = typeof document !== "undefined" ? document : null;
  const record = doc && doc.getElementById("zaznam");
  const live = doc && doc.getElementById("hlasatel");
  const KEPT_LIVE = 12;
  const lines = [];
  // Whether the record follows its newest line: it does unless the player
  // has scrolled back to read.  Known from the record's scroll events, so
  // that a sentence added asks the browser for no layout there and then
  // (the first one, before the game's first frame, would wait for the
  // page's fonts).
  let following = true;
  let scrollDue = false;
  if (record) {
    record.addEventListener("scroll", function () {
      following = record.scrollHeight - record.scrollTop - record.clientHeight < 8;
    });
  }
  function showNewest() {
    scrollDue = false;
    if (following) record.scrollTop = record.scrollHeight;
  }

  function add(text, recorded) {
    if (live) {
      const p = doc.createElement("p");
      p.textContent = text;
      live.appendChild(p);
      while (live.childElementCount > KEPT_LIVE) live.firstElementChild.remove();
    }
    if (!recorded || !record) return;
    lines.push(text);
    const p = doc.createElement("p");
    p.textContent = text;
    record.appendChild(p);
    // Scrolled with the next picture the browser paints.
    if (following && !scrollDue) {
      scrollDue = true;
      requestAnimationFrame(showNewest);
    }
  }

  function download() {
    const when = new Date();
    const pad = (n) => String(n).padStart(2, "0");
    const name = "raketa-zaznam-" + when.getFullYear() + "-" + pad(when.getMonth() + 1) + "-" + pad(when.getDate()) +
                 "-" + pad(when.getHours()) + pad(when.getMinutes()) + ".txt";
    const link = doc.createElement("a");
    link.href = URL.createObjectURL(new Blob([lines.join("\n") + "\n"], {type: "text/plain;charset=utf-8"}));
    link.download = name;
    doc.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 1000);
  }

  const button = doc && doc.getElementById("stahnout-zaznam");
  if (button) button.addEventListener("click", download);
  return {add, lines};
})();
