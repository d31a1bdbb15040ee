// library.js — the page-side half of the browser backend: the canvas, the
// page's title and pointer, sound through the Web Audio API, the calls to
// the page's store of the player's files and its text field, and the end of
// the program. Linked into both programs
// with --js-library; the C++ side declares these in web_js.h.

mergeInto(LibraryManager.library, {
  // The canvas's 2D context and the picture's ImageData, made once.
  $zlCanvas: { context: null, image: null },

  // Sound: one AudioContext, made at the first key or click (browsers allow
  // sound only from then on); every file decoded once, kept by path.
  $zlSound: {
    context: null,     // the AudioContext, once allowed
    buffers: {},       // path -> decoded AudioBuffer
    bytes: {},         // path -> the file's bytes, until decoded
    playing: null,     // the AudioBufferSourceNode playing now
    wanted: null,      // the path asked for last, while it waits to be decoded or allowed
    start: function (path) {
      var sound = zlSound;
      if (sound.playing) {
        try { sound.playing.stop(); } catch (e) {}
        sound.playing = null;
      }
      var buffer = sound.buffers[path];
      if (!sound.context || !buffer) {
        sound.wanted = path;
        if (sound.context) sound.decode(path);
        return;
      }
      sound.wanted = null;
      var source = sound.context.createBufferSource();
      source.buffer = buffer;
      source.connect(sound.context.destination);
      source.onended = function () { if (sound.playing === source) sound.playing = null; };
      source.start();
      sound.playing = source;
    },
    decode: function (path) {
      var sound = zlSound;
      var bytes = sound.bytes[path];
      if (!bytes || !sound.context) return;
      delete sound.bytes[path];
      sound.context.decodeAudioData(bytes.buffer).then(function (buffer) {
        sound.buffers[path] = buffer;
        // Played only if nothing else was asked for meanwhile.
        if (sound.wanted === path) sound.start(path);
      }, function () {});
    },
    // The first key or click: sound is allowed from now on, and the sound
    // asked for before (the title music) starts now.
    allow: function () {
      var sound = zlSound;
      if (sound.context) {
        // Made by a touch's first moment, which does not yet allow sound:
        // the touch's end does.
        if (sound.context.state === 'suspended') sound.context.resume();
        return;
      }
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      sound.context = new Context();
      for (var path in sound.bytes) sound.decode(path);
      if (sound.wanted) sound.start(sound.wanted);
    },
  },

  zl_js_present__deps: ['$zlCanvas'],
  zl_js_present: function (rgba) {
    if (typeof document === 'undefined') return;  // a benchmark under node
    if (!zlCanvas.context) {
      var canvas = document.getElementById('screen');
      zlCanvas.context = canvas.getContext('2d', { alpha: false });
      // The canvas is as large as the picture (the page takes its size
      // from the program's screen, web/make_site.cmake).
      zlCanvas.image = zlCanvas.context.createImageData(canvas.width, canvas.height);
    }
    zlCanvas.image.data.set(HEAPU8.subarray(rgba, rgba + zlCanvas.image.data.length));
    zlCanvas.context.putImageData(zlCanvas.image, 0, 0);
    if (Module['onPresent']) Module['onPresent']();
  },

  zl_js_set_title: function (title) {
    document.title = UTF8ToString(title);
  },

  zl_js_show_pointer: function (visible) {
    document.getElementById('screen').style.cursor = visible ? '' : 'none';
  },

  zl_js_play_sound__deps: ['$zlSound'],
  zl_js_play_sound: function (path, bytes, size) {
    var name = UTF8ToString(path);
    if (bytes) zlSound.bytes[name] = HEAPU8.slice(bytes, bytes + size);
    if (!zlSound.listening) {
      zlSound.listening = true;
      var allow = function () { zlSound.allow(); };
      window.addEventListener('keydown', allow, true);
      window.addEventListener('mousedown', allow, true);
      window.addEventListener('touchstart', allow, true);
      window.addEventListener('touchend', allow, true);
      window.addEventListener('pointerup', allow, true);
    }
    if (zlSound.context) zlSound.decode(name);
    zlSound.start(name);
  },

  // The player's files live in the browser's storage, file by file; the
  // page's store (web/store.js) does the work, reached through the Module.
  zl_js_file_changed: function (path) {
    if (Module['zlFileChanged']) Module['zlFileChanged'](UTF8ToString(path));
  },

  zl_js_store_start_files: function () {
    if (Module['zlStoreStartFiles']) Module['zlStoreStartFiles']();
  },

  zl_js_store_busy: function () {
    return Module['zlStoreBusy'] && Module['zlStoreBusy']() ? 1 : 0;
  },

  zl_js_text_entry: function (active) {
    if (Module['zlTextEntry']) Module['zlTextEntry'](active !== 0);
  },

  // The game's tab the editor's F5 opened and how its run went: -2 while it
  // is opened or runs, -1 when it could not be opened, else the exit status
  // the game told (0 also when the tab was closed before the game ended).
  $zlGameRun: { tab: null, state: -1, listening: false },

  // The game's page on a level, opened once every file is stored, so that
  // it reads the level just saved. The game's tab tells its end by a
  // message (zl_js_tell_opener).
  zl_js_open_game_level__deps: ['$zlGameRun'],
  zl_js_open_game_level: function (name) {
    var url = 'index.html?level=' + encodeURIComponent(UTF8ToString(name));
    var run = zlGameRun;
    run.tab = null;
    run.state = -2;
    if (!run.listening) {
      run.listening = true;
      window.addEventListener('message', function (event) {
        if (event.origin !== window.location.origin || !run.tab || event.source !== run.tab) return;
        if (event.data && typeof event.data.zauberlabyrinthEnd === 'number') run.state = event.data.zauberlabyrinthEnd;
      });
    }
    var opened = function (tab) {
      run.tab = tab;
      if (!tab) run.state = -1;
    };
    if (Module['zlOpenGameLevel']) Module['zlOpenGameLevel'](url, opened);
    else opened(window.open(url, '_blank'));
  },

  zl_js_game_level_state__deps: ['$zlGameRun'],
  zl_js_game_level_state: function () {
    var run = zlGameRun;
    if (run.state === -2 && run.tab && run.tab.closed) run.state = 0;
    return run.state;
  },

  // The program's end, told to the page that opened this one (the editor,
  // whose F5 waits for the game it opened).
  zl_js_tell_opener: function (status) {
    try {
      if (window.opener && !window.opener.closed) {
        window.opener.postMessage({ zauberlabyrinthEnd: status }, window.location.origin);
      }
    } catch (e) {}
  },

  zl_js_program_ended: function () {
    if (zlSound.playing) {
      try { zlSound.playing.stop(); } catch (e) {}
    }
    if (Module['onProgramEnded']) Module['onProgramEnded']();
  },
  zl_js_program_ended__deps: ['$zlSound'],
});
