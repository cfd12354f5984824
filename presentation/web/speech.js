// Spoken Czech through the browser's speech synthesis, with a Czech voice
// where the browser has one; without one nothing is said (another
// language's voice would only garble the Czech).
Module.raketaSpeech = (function () {
  const synth = typeof speechSynthesis !== "undefined" ? speechSynthesis : null;
  let voice = null;
  function pick() {
    if (!synth) return;
    voice = synth.getVoices().find((v) => v.lang.toLowerCase().startsWith("cs")) || null;
  }
  if (synth) {
    pick();
    synth.addEventListener("voiceschanged", pick);
  }
  return {
    say(text, interrupt) {
      if (!synth) return;
      if (interrupt) synth.cancel();
      if (!voice || text === "") return;
      const u = new SpeechSynthesisUtterance(text);
      u.voice = voice;
      u.lang = voice.lang;
      synth.speak(u);
    },
  };
})();
