// page.js — what both pages share: the canvas scaled to the window, the
// player's Data kept in the browser's IndexedDB, the files the package brings,
// and the line and button shown when the program ends.
//
// A page sets `zlProgram` (the program's name) before this script; the data
// package's loader and the program follow it.
'use strict';

(function () {
  // Where the programs find their files: like an installed desktop program,
  // the program "lives" in <prefix>/games and its files in
  // <prefix>/share/games/zauberlabyrinth (sprites, wave, shipped levels and
  // recordings, default settings); the player's own folder is below HOME.
  var prefix = '/opt/zauberlabyrinth';
  var dataFolder = '/home/web_user/.local/share/zauberlabyrinth/Data';
  var params = new URLSearchParams(window.location.search);
  var canvas = document.getElementById('screen');
  var stage = document.getElementById('stage');

  // The 800 x 600 picture as large as the window allows, its aspect kept:
  // in whole steps (sharp pixels of equal size) when at least one fits,
  // otherwise shrunk to fit.
  function fitCanvas() {
    var width = stage.clientWidth;
    var height = stage.clientHeight;
    var scale = Math.min(width / 800, height / 600);
    if (scale >= 1) scale = Math.floor(scale);
    canvas.style.width = Math.floor(800 * scale) + 'px';
    canvas.style.height = Math.floor(600 * scale) + 'px';
  }
  window.addEventListener('resize', fitCanvas);
  document.addEventListener('fullscreenchange', fitCanvas);
  fitCanvas();
  canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });

  var args = [];
  if (params.has('framelog')) args.push('--frame-log');
  // The editor's F5 opens the game on the level it saved.
  if (window.zlProgram === 'zauberlabyrinth' && params.has('level')) args.push('--level', params.get('level'));

  window.Module = {
    canvas: canvas,
    arguments: args,
    print: function (text) { console.log(text); },
    printErr: function (text) { console.warn(text); },
    // The first picture on the canvas (measured by the tests).
    onPresent: function () {
      if (!window.zlFirstPicture) window.zlFirstPicture = performance.now();
      window.zlPresents = (window.zlPresents || 0) + 1;
    },
    onStored: function () { window.zlStores = (window.zlStores || 0) + 1; },
    onProgramEnded: function () {
      canvas.style.display = 'none';
      document.getElementById('ended').hidden = false;
    },
    preRun: [function () {
      // The program's place, so that it finds its installed files.
      FS.mkdirTree(prefix + '/games');
      FS.symlink(prefix + '/games/' + window.zlProgram, '/proc/self/exe');
      // The player's Data, read back from the browser's storage before the
      // program starts.
      FS.mkdirTree(dataFolder);
      FS.mount(IDBFS, {}, dataFolder);
      addRunDependency('zl-player-data');
      FS.syncfs(true, function () { removeRunDependency('zl-player-data'); });
    }],
  };

  document.getElementById('restart').addEventListener('click', function () {
    window.location.reload();
  });
})();
