// The node build sees the host's environment (RAKETA_DATA, XDG_DATA_HOME,
// HOME ...) as the native game does, not Emscripten's made-up one.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function () {
  for (var name in process.env) ENV[name] = process.env[name];
});
