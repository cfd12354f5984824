// Spoken Czech through the browser's speech synthesis, with a Czech voice
// where the browser has one; without one nothing is said (another
// language's voice would only garble the Czech).  The page keeps its own
// queue, one utterance at a time in the browser's, so that a room text can
// end at the end of a word when the player presses a key, and a warning
// can go before what waits.
Module.raketaSpeech = (function () {
  let synth = null;
  let voice = null;
  const waiting = []; // {text, first, yields}
  let current = null; // {piece, utterance, endWord, timer}
  function pick() {
    voice = synth.getVoices().find((v) => v.lang.toLowerCase().startsWith("cs")) || null;
  }
  // Waking the browser's speech takes a while: it is done once the page is
  // idle (or when the game first speaks), so the voices are known before
  // the player turns speech on, and the game's start does not wait for it.
  let woken = false;
  function wake() {
    if (woken) return;
    woken = true;
    if (typeof speechSynthesis === "undefined") return;
    synth = speechSynthesis;
    pick();
    synth.addEventListener("voiceschanged", pick);
  }
  if (typeof requestIdleCallback === "function") requestIdleCallback(wake, {timeout: 2000});
  else if (typeof setTimeout === "function") setTimeout(wake, 1000);
  function finish(u) {
    if (!current || current.utterance !== u) return;
    clearTimeout(current.timer);
    current = null;
    next();
  }
  function stop() {
    if (!current) return;
    clearTimeout(current.timer);
    current = null;
    synth.cancel();
    next();
  }
  function next() {
    if (current || !synth || !voice) {
      if (!voice) waiting.length = 0;
      return;
    }
    const piece = waiting.shift();
    if (!piece) return;
    const u = new SpeechSynthesisUtterance(piece.text);
    u.voice = voice;
    u.lang = voice.lang;
    current = { piece, utterance: u, endWord: false, timer: 0 };
    // A word boundary after the end was asked for: the word is over.
    u.onboundary = (e) => {
      if (current && current.utterance === u && current.endWord && e.name === "word") stop();
    };
    u.onend = () => finish(u);
    u.onerror = () => finish(u);
    synth.speak(u);
  }
  // The piece being said ends at its word's end; a voice that tells no
  // word boundaries is stopped after a moment instead.
  function endWord() {
    if (!current || !current.piece.yields || current.endWord) return;
    current.endWord = true;
    const u = current.utterance;
    current.timer = setTimeout(() => {
      if (current && current.utterance === u) stop();
    }, 700);
  }
  return {
    say(text, first, yields) {
      wake();
      if (!synth || !voice || text === "") return;
      const piece = { text, first, yields };
      if (first) {
        let at = 0;
        while (at < waiting.length && waiting[at].first) at++;
        waiting.splice(at, 0, piece);
        endWord();
      } else {
        waiting.push(piece);
      }
      next();
    },
    yieldToPlayer() {
      for (let i = waiting.length - 1; i >= 0; i--) {
        if (waiting[i].yields) waiting.splice(i, 1);
      }
      endWord();
    },
    interrupt(text) {
      wake();
      if (!synth) return;
      waiting.length = 0;
      if (current) {
        clearTimeout(current.timer);
        current = null;
      }
      synth.cancel();
      this.say(text, false, false);
    },
    speaking() {
      return current !== null || waiting.length > 0;
    },
  };
})();
