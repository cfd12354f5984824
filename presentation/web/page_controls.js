// The page's controls for the game, beside its canvas:
// - the text field #prikaz that carries the command line on touch screens,
//   so that a phone's own keyboard types into the game.  The game's line is
//   the truth: the field shows it (showLine, from field_mirror.cpp), and what
//   the player changes in the field goes to the game as one edit (the
//   characters replaced and the text typed instead), once any composing of
//   accents or words by the phone's keyboard is done.  Keys that type
//   nothing (Enter, Esc, the arrows, F-keys) go to the game from the field
//   as from the canvas (web_input.cpp);
// - the buttons of #ovladani with data-key: the keys a phone lacks, pressed
//   as those keys;
// - whether the game has the keyboard: the canvas, the field or one of its
//   buttons has the focus, and the browser's window has it.  The game
//   pauses without (web_backend.cpp).
Module.raketaControls = (function () {
  const doc = typeof document !== "undefined" ? document : null;
  const field = doc && doc.getElementById("prikaz");
  const controls = doc && doc.getElementById("ovladani");
  let synced = "";       // the field's text as the game knows it
  let composing = false;
  let latest = null;     // the line the game last showed, while composing
  let windowFocused = true;
  let focused = false;

  function running() { return typeof runtimeInitialized !== "undefined" && runtimeInitialized; }
  function inGame(element) {
    return !!element && (element === Module.canvas || (!!controls && controls.contains(element)));
  }
  function gameHasKeyboard() { return !!doc && windowFocused && inGame(doc.activeElement); }

  function decide() {
    const on = gameHasKeyboard();
    if (on === focused) return;
    focused = on;
    if (running()) _raketa_web_focus(on ? 1 : 0);
  }

  function withText(text, use) {
    const size = lengthBytesUTF8(text) + 1;
    const at = _malloc(size);
    stringToUTF8(text, at, size);
    use(at);
    _free(at);
  }

  // What changed between the text the game knows and the field's: the
  // common start and end stay, the middle is replaced.
  function sendEdit() {
    const before = synced, after = field.value;
    let start = 0;
    while (start < before.length && start < after.length && before[start] === after[start]) start++;
    let end = 0;
    while (end < before.length - start && end < after.length - start &&
           before[before.length - 1 - end] === after[after.length - 1 - end]) end++;
    const removed = before.length - start - end;
    const typed = after.slice(start, after.length - end);
    synced = after;
    if (removed === 0 && typed === "") return false;
    if (!running()) return false;
    withText(typed, function (at) { _raketa_web_field_edit(start, removed, at); });
    return true;
  }

  function showLine(text, caret) {
    if (!field) return;
    if (composing) {
      latest = [text, caret];
      return;
    }
    synced = text;
    if (field.value !== text) field.value = text;
    if (doc.activeElement === field) field.setSelectionRange(caret, caret);
  }

  function pressKey(key) {
    // A button pressed while the game had no keyboard gives it back first,
    // to the canvas: the phone's keyboard comes up only when the player
    // taps the picture or the field.
    if (!gameHasKeyboard() && Module.canvas) Module.canvas.focus();
    decide();
    // A word the phone's keyboard is still composing counts as typed.
    if (field && running()) sendEdit();
    if (running()) withText(key, function (at) { _raketa_web_key(at); });
  }

  if (doc) {
    doc.addEventListener("focusin", function () { setTimeout(decide, 0); });
    doc.addEventListener("focusout", function () { setTimeout(decide, 0); });
    window.addEventListener("blur", function () { windowFocused = false; decide(); });
    window.addEventListener("focus", function () { windowFocused = true; decide(); });
  }
  if (field) {
    field.addEventListener("compositionstart", function () { composing = true; });
    field.addEventListener("compositionend", function () {
      composing = false;
      if (!sendEdit() && latest) showLine(latest[0], latest[1]);
      latest = null;
    });
    field.addEventListener("input", function (e) {
      if (composing || e.isComposing) return;
      sendEdit();
    });
    // Enter from a keyboard that names it no key (the form is sent instead).
    field.form.addEventListener("submit", function (e) {
      e.preventDefault();
      if (!composing) sendEdit();
      pressKey("Enter");
    });
  }
  if (controls) {
    for (const button of controls.querySelectorAll("button[data-key]")) {
      // The focus stays where it was, and with it the phone's keyboard.
      button.addEventListener("mousedown", function (e) { e.preventDefault(); });
      button.addEventListener("click", function () { pressKey(button.dataset.key); });
    }
  }

  return {
    gameHasKeyboard,
    showLine,
    pressKey,
    // The game's step: Esc skips the intro and the landing, continues a
    // paused game, and ends the game from the departure.
    step(name) {
      const esc = doc && doc.getElementById("klavesa-esc");
      if (!esc) return;
      esc.textContent = name === "pause" ? "Pokračovat" : name === "departure" ? "Ukončit hru" : "Přeskočit";
    },
    sentence(text, recorded) {
      if (Module.raketaPageText) Module.raketaPageText.add(text, recorded);
    },
  };
})();
