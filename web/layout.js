// Where the picture goes and how big it is: on a wide screen the picture
// fills the height and the controls and the record of the game stand
// beside it; on a tall one (a phone upright) the picture spans the width
// and they follow below.  The picture is sized in the screen's own pixels,
// so that the page's zoom changes the text beside it, not the game.  On
// touch screens the game's buttons and text field are shown (elsewhere on
// request), and a tap on the picture brings up the phone's keyboard.
"use strict";
(function () {
  const body = document.body;
  const game = document.getElementById("hra");
  const picture = document.getElementById("obraz");
  const side = document.getElementById("bok");
  const canvas = document.getElementById("hra-platno");
  const field = document.getElementById("prikaz");
  const toggle = document.getElementById("ukazat-tlacitka");

  // A screen touched with fingers and nothing finer to point with.
  const touchOnly = navigator.maxTouchPoints > 0 && !matchMedia("(any-pointer: fine)").matches;
  body.classList.toggle("dotyk", touchOnly);

  function remembered() {
    try {
      const kept = localStorage.getItem("raketa-tlacitka");
      return kept === null ? touchOnly : kept === "1";
    } catch (e) {
      return touchOnly;
    }
  }
  function showButtons(on, keep) {
    body.classList.toggle("tlacitka", on);
    toggle.setAttribute("aria-pressed", on ? "true" : "false");
    if (keep) {
      try { localStorage.setItem("raketa-tlacitka", on ? "1" : "0"); } catch (e) { /* not kept */ }
    }
    layout();
  }
  toggle.addEventListener("click", function () { showButtons(!body.classList.contains("tlacitka"), true); });

  function layout() {
    const full = document.fullscreenElement === game;
    // In full screen only what the game needs: the picture, and the
    // buttons where they are shown.
    const withSide = !full || body.classList.contains("tlacitka");
    game.classList.toggle("cela", full);
    const box = game.getBoundingClientRect();
    if (!(box.width > 0 && box.height > 0)) return;
    const em = parseFloat(getComputedStyle(side).fontSize) || 16;
    let mode = "bez-boku";
    if (withSide) {
      // The larger picture wins: beside a side column of at least 15 em, or
      // across the width with at least 10 em below it.  The picture keeps
      // the shape of the game's screen, the canvas's own size.
      const besideWidth = Math.min(box.height * canvas.width / canvas.height, box.width - 15 * em);
      const belowWidth = Math.min(box.width, (box.height - 10 * em) * canvas.width / canvas.height);
      mode = besideWidth >= belowWidth ? "vedle" : "pod";
      if (mode === "vedle") {
        const width = Math.max(15 * em, Math.min(box.width - box.height * canvas.width / canvas.height, 36 * em));
        game.style.setProperty("--bok", Math.floor(width) + "px");
        picture.style.height = "";
      } else {
        picture.style.height = Math.floor(belowWidth * canvas.height / canvas.width) + "px";
      }
    } else {
      picture.style.height = "";
    }
    for (const m of ["vedle", "pod", "bez-boku"]) game.classList.toggle(m, m === mode);
    fit();
  }

  // The largest copy of the game's screen (the canvas's own size) that fits
  // the picture's area, counted in the screen's own pixels: enlarged, the
  // game's pixels stay sharp instead of blurred.
  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const area = picture.getBoundingClientRect();
    const scale = Math.min((area.width * ratio) / canvas.width, (area.height * ratio) / canvas.height);
    if (!(scale > 0)) return;
    canvas.style.width = Math.floor((canvas.width * scale) / ratio) + "px";
    canvas.style.height = Math.floor((canvas.height * scale) / ratio) + "px";
    canvas.classList.toggle("ostre", scale >= 1);
  }

  // A tap on the picture: the text field and with it the phone's keyboard
  // where the buttons are shown on a touch screen, else the canvas takes
  // the keys.
  canvas.addEventListener("pointerdown", function (e) {
    if (e.pointerType !== "mouse" && body.classList.contains("tlacitka")) {
      e.preventDefault();
      field.focus({preventScroll: true});
    } else {
      setTimeout(function () { canvas.focus(); }, 0);
    }
  });
  // Some phones bring up their keyboard only for a focus given on the tap
  // itself, when it ends.
  canvas.addEventListener("click", function () {
    if (body.classList.contains("tlacitka") && document.activeElement !== field && body.classList.contains("dotyk")) {
      field.focus({preventScroll: true});
    }
  });

  if (window.ResizeObserver) new ResizeObserver(layout).observe(game);
  window.addEventListener("resize", layout);
  document.addEventListener("fullscreenchange", layout);
  window.raketaLayout = layout;
  showButtons(remembered(), false);
  // The game takes the keys now that the page is laid out: focused before,
  // the page was laid out twice on its way to the game's first frame.
  canvas.focus();
})();
