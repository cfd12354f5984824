// The sixteen cues through WebAudio.  A cue's samples arrive just before it
// first plays (web_sound.cpp); the AudioContext may only start on the
// player's first key or click, so until then nothing is heard, and the
// looped cues that should be running start when it does.
Module.raketaSound = (function () {
  const cues = [];
  const wanted = new Set();  // looped cues asked for while sound was not possible
  let context = null;

  function running() { return context !== null && context.state === "running"; }

  function buffer(cue) {
    if (!cue.buffer) {
      cue.buffer = context.createBuffer(cue.channels.length, cue.channels[0].length, cue.rate);
      cue.channels.forEach((samples, i) => cue.buffer.copyToChannel(samples, i));
    }
    return cue.buffer;
  }

  function start(index) {
    const cue = cues[index];
    const source = context.createBufferSource();
    source.buffer = buffer(cue);
    source.loop = cue.looped;
    source.connect(context.destination);
    cue.voices.push(source);
    source.onended = () => { cue.voices = cue.voices.filter((v) => v !== source); };
    source.start();
  }

  function silence(index) {
    const cue = cues[index];
    for (const v of cue.voices) { try { v.stop(); } catch (e) { /* already ended */ } }
    cue.voices = [];
  }

  // Every cue is at 22,050 samples a second or less, so the context mixes
  // at that rate rather than the device's (often twice as many samples to
  // mix for the same sound), and in blocks of the desktop game's size,
  // 1,024 samples (46 ms): the hum of the rocket plays for as long as the
  // player stays inside, and the browser's audio threads wake for every
  // block (a browser's default is a few milliseconds, for music and games
  // that answer a key with a sound at once).
  const MIX_RATE = 22050;
  const BLOCK_SECONDS = 1024 / MIX_RATE;
  function createContext(Context) {
    try {
      return new Context({latencyHint: BLOCK_SECONDS, sampleRate: MIX_RATE});
    } catch (e) {
      return new Context();  // a browser that cannot mix at that rate
    }
  }

  // The looped cues asked for while sound was not possible, once it is.
  function startWanted() {
    if (!running()) return;
    for (const index of wanted) start(index);
    wanted.clear();
  }

  // A context made on a key or click that lets the page play sound runs at
  // once, without a resume (the hum of the rocket, asked for when the intro
  // ends by itself, starts then too); Esc does not let it, and the context
  // waits for the next key.
  function wake() {
    if (context === null) {
      const Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      context = createContext(Context);
      context.addEventListener("statechange", startWanted);
    }
    if (running()) {
      startWanted();
    } else {
      context.resume().then(startWanted);
    }
  }
  if (typeof document !== "undefined") {
    document.addEventListener("keydown", wake, true);
    document.addEventListener("pointerdown", wake, true);
  }

  return {
    // PCM as the catalogue decodes it: 8-bit unsigned or 16-bit signed
    // little-endian, the channels interleaved.
    load(index, bytes, rate, bits, channelCount, looped) {
      const frames = Math.floor(bytes.length / (bits / 8) / channelCount);
      const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
      const channels = [];
      for (let c = 0; c < channelCount; c++) channels.push(new Float32Array(frames));
      for (let f = 0; f < frames; f++) {
        for (let c = 0; c < channelCount; c++) {
          const i = f * channelCount + c;
          channels[c][f] = bits === 16 ? view.getInt16(2 * i, true) / 32768 : (bytes[i] - 128) / 128;
        }
      }
      cues[index] = {rate, looped, channels, buffer: null, voices: []};
    },
    // A looped cue starts again from its beginning, on one voice; one-shot
    // cues overlap.
    play(index) {
      const cue = cues[index];
      if (!cue) return;
      if (!running()) {
        if (cue.looped) wanted.add(index);
        return;
      }
      if (cue.looped) silence(index);
      start(index);
    },
    stop(index) {
      wanted.delete(index);
      if (cues[index]) silence(index);
    },
  };
})();
