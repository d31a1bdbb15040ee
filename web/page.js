// page.js — what both pages share: loading the program and its files with a
// progress line, the picture scaled to the window, the player's Data from
// the browser's storage (store.js), the page's own controls (backup and
// restore, level sets taken in and downloaded, shipped labyrinths put back,
// on-screen buttons), files handed to the running program, the line shown
// when the program has ended, and the service worker that keeps the site
// for visits without a network.
//
// The page sets `zlSite` before this script: the program's name, the site's
// version and, for each file the page downloads itself, its address and
// size. The program's script is started here once it has arrived. The
// page's words are German here and in the language of the page where shown
// (language.js), in which the program is started too.
'use strict';

var zl = window.zl || (window.zl = {});

zl.page = (function () {
  var tr = zl.language.tr;
  var trMark = zl.language.trMark;
  var trFormat = zl.language.trFormat;
  // Where the programs find their files: like an installed desktop program,
  // the program "lives" in <prefix>/games and its files in
  // <prefix>/share/games/zauberlabyrinth (sprites, wave, shipped levels and
  // recordings, default settings); the player's own folder is below HOME.
  var prefix = '/opt/zauberlabyrinth';
  var installed = prefix + '/share/games/zauberlabyrinth';
  var dataFolder = '/home/web_user/.local/share/zauberlabyrinth/Data';
  var site = window.zlSite;
  var game = site.program === 'zauberlabyrinth';
  var params = new URLSearchParams(window.location.search);
  var element = function (id) { return document.getElementById(id); };
  var canvas = element('screen');
  var picture = element('picture');
  var typedField = element('typed');
  var started = false;  // the first picture is shown
  var ended = false;    // the program has ended (its functions can no longer be called)
  var lastError = '';   // the program's last line on standard error

  // The page's own sentences about level sets.
  var setTexts = {
    missing: function (name) {
      return trFormat('Eine Sammlung „{0}“ gibt es nicht: in Data liegt keine Datei {0}.zset. ' +
        'Unter „Daten“ nimmt „Sammlung laden“ eine auf.', [name]);
    },
    refused: function (name, reason) {
      return trFormat('Die Sammlung „{0}“ lässt sich nicht spielen.', [name]) + ' ' + reason;
    },
    shipped: function () { return ' – ' + tr('die mitgelieferten Labyrinthe'); },
    download: function () { return tr('Herunterladen'); },
  };
  var wholeGame = trMark('Das ganze Spiel spielen');

  zl.language.translatePage();
  zl.language.setUpSwitch(element('language-switch'));

  // ---- Messages -------------------------------------------------------------

  // Each message stays twelve seconds; one that comes meanwhile (the
  // browser's answer about keeping the data, after a file was taken in)
  // stands below it rather than in its place.
  var notices = [];  // [{text, until}], oldest first
  var noticeTimer = 0;
  function showNotices() {
    var now = Date.now();
    notices = notices.filter(function (shown) { return shown.until > now; });
    element('notice').textContent = notices.map(function (shown) { return shown.text; }).join('\n');
    clearTimeout(noticeTimer);
    if (notices.length) noticeTimer = setTimeout(showNotices, notices[0].until - now);
  }
  // A tap or click on the line takes it away at once.
  element('notice').addEventListener('click', function () {
    notices = [];
    showNotices();
  });
  function notice(text) {
    notices = notices.filter(function (shown) { return shown.text !== text; });
    notices.push({ text: text, until: Date.now() + 12000 });
    showNotices();
  }

  function focusPicture() {
    if (!canvas.hidden) canvas.focus({ preventScroll: true });
  }

  // A question with two answers; resolves to true for `yes`.
  function ask(text, yes) {
    var dialog = element('question');
    element('question-text').textContent = text;
    element('question-yes').textContent = yes;
    return new Promise(function (resolve) {
      dialog.addEventListener('close', function answered() {
        dialog.removeEventListener('close', answered);
        resolve(dialog.returnValue === 'yes');
        if (!element('panel').open) focusPicture();
      });
      dialog.returnValue = '';
      dialog.showModal();
      element('question-no').focus();
    });
  }

  // ---- The picture fills the window -----------------------------------------

  // The program's rule (platform/picture_place.h), asked of the program for
  // the area in device pixels, so that whole steps are whole on the screen.
  function fitPicture() {
    var ratio = window.devicePixelRatio || 1;
    var width = Math.floor(picture.clientWidth * ratio);
    var height = Math.floor(picture.clientHeight * ratio);
    if (width < 1 || height < 1) return;
    var scale = Module['_zl_picture_scale'] ? Module['_zl_picture_scale'](width, height)
      : Math.min(width / canvas.width, height / canvas.height);
    canvas.style.width = Math.round(canvas.width * scale) / ratio + 'px';
    canvas.style.height = Math.round(canvas.height * scale) / ratio + 'px';
  }
  window.addEventListener('resize', fitPicture);
  document.addEventListener('fullscreenchange', fitPicture);
  if (window.matchMedia) window.matchMedia('(orientation: landscape)').addEventListener('change', fitPicture);
  canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });

  // ---- Loading --------------------------------------------------------------

  var received = {};
  function showProgress() {
    var total = 0;
    var done = 0;
    Object.keys(site.files).forEach(function (name) {
      total += site.files[name].bytes;
      done += Math.min(received[name] || 0, site.files[name].bytes);
    });
    var shown = function (n) { return n.toLocaleString(zl.language.code()); };
    element('loading-text').textContent =
      trFormat('Lade {0} … {1} von {2} Bytes', [document.title, shown(done), shown(total)]);
    element('loading-bar').value = total ? done / total : 0;
  }

  var cacheName = 'zauberlabyrinth-' + site.version;
  var caching = [];

  // Keeps a downloaded file for visits without a network (sw.js serves it
  // from there): the first visit's downloads happen before the service
  // worker is at work, so the page keeps them itself.
  function keep(url, response) {
    if (!window.caches || !window.isSecureContext) return;
    caching.push(caches.open(cacheName).then(function (cache) { return cache.put(url, response); })
      .catch(function () {}));
  }

  // One of the page's own downloads, its bytes counted as they come,
  // unpacked when compressed.
  function download(name) {
    var file = site.files[name];
    return fetch(file.url).then(function (response) {
      if (!response.ok) throw new Error(file.url + ': ' + response.status);
      keep(file.url, response.clone());
      if (!response.body || !response.body.getReader) {
        return response.arrayBuffer().then(function (buffer) {
          received[name] = buffer.byteLength;
          showProgress();
          return new Uint8Array(buffer);
        });
      }
      var reader = response.body.getReader();
      var chunks = [];
      received[name] = 0;
      var next = function () {
        return reader.read().then(function (part) {
          if (part.done) return zl.transfer.concat(chunks);
          chunks.push(part.value);
          received[name] += part.value.length;
          showProgress();
          return next();
        });
      };
      return next();
    }).then(zl.transfer.gunzip);
  }

  function failed(error) {
    console.error(error);
    element('loading-text').textContent = trFormat('{0} ließ sich nicht laden ({1}). Ist die Verbindung ' +
      'unterbrochen? Ein neuer Versuch lädt die Seite neu.', [document.title, error.message]);
    var bar = element('loading-bar');
    if (bar) bar.remove();
    if (!element('retry')) {
      var retry = document.createElement('button');
      retry.id = 'retry';
      retry.type = 'button';
      retry.textContent = tr('Neu versuchen');
      retry.addEventListener('click', function () { window.location.reload(); });
      element('loading').appendChild(retry);
    }
  }

  // The files the program brings (pictures, sounds, shipped levels and
  // recordings, default settings) into its installed folder.
  function installPackage(bytes) {
    (zl.transfer.untar(bytes) || []).forEach(function (file) {
      var name = file.name.replace(/^\.\//, '');
      if (!/^[A-Za-z0-9_.\-]+(\/[A-Za-z0-9_.\-]+)*$/.test(name) || name.split('/').indexOf('..') >= 0) return;
      var path = installed + '/' + name;
      FS.mkdirTree(path.slice(0, path.lastIndexOf('/')));
      FS.writeFile(path, file.bytes);
    });
    // The program's place, so that it finds its installed files.
    FS.mkdirTree(prefix + '/games');
    FS.symlink(prefix + '/games/' + site.program, '/proc/self/exe');
  }

  // A file of Data by name: the player's, or one the program's start
  // brings (a shipped one).
  function inData(file) {
    var exists = function (path) { return FS.analyzePath(path).exists; };
    return zl.store.validName(file) && file.indexOf('/') < 0 &&
      (exists(dataFolder + '/' + file) || exists(installed + '/shipped/' + file));
  }

  // The game cannot start as asked: the page says why and offers the whole
  // game instead.
  function cannotStart(text) {
    element('loading').hidden = true;
    element('ended-text').textContent = text;
    element('restart').textContent = tr(wholeGame);
    element('restart').onclick = function () { window.location.href = 'index.html'; };
    canvas.hidden = true;
    element('ended').hidden = false;
  }

  // ?level=NAME: the game plays Data/NAME.dat alone. A name with no such
  // file is said on the page.
  function levelMissing(name) {
    if (inData(name + '.dat')) return false;
    cannotStart(trFormat('Ein Labyrinth „{0}“ gibt es nicht: in Data liegt keine Datei ' +
      '{1}. Im Editor speichert F1 ein Labyrinth unter einem Namen.', [name, name + '.dat']));
    return true;
  }

  // ?set=NAME: the game starts with the set Data/NAME.zset, as --set does
  // on the desktop; likewise said when there is none.
  function setMissing(name) {
    if (inData(name + '.zset')) return false;
    cannotStart(setTexts.missing(name));
    return true;
  }

  // ---- The program ----------------------------------------------------------

  var args = ['--language', zl.language.code()];
  if (params.has('framelog')) args.push('--frame-log');
  // The editor's F5 opens the game on the level it saved.
  if (game && params.has('level')) args.push('--level', params.get('level'));
  var setPath = dataFolder + '/' + params.get('set') + '.zset';
  if (game && params.has('set') && !params.has('level')) args.push('--set', setPath);

  var packageBytes = download('data');
  var programBytes = download('program');
  var wasmBytes = download('wasm');

  window.Module = {
    canvas: canvas,
    arguments: args,
    print: function (text) { console.log(text); },
    printErr: function (text) {
      console.warn(text);
      lastError = text;
    },
    instantiateWasm: function (imports, receive) {
      wasmBytes.then(function (bytes) { return WebAssembly.instantiate(bytes, imports); })
        .then(function (result) { receive(result.instance, result.module); }, failed);
      return {};
    },
    preRun: [function () {
      addRunDependency('zl-files');
      Promise.all([packageBytes, zl.store.open(dataFolder)]).then(function (results) {
        installPackage(results[0]);
        element('open-panel').hidden = false;
        if (game && params.has('level') && levelMissing(params.get('level'))) return;
        if (game && params.has('set') && !params.has('level') && setMissing(params.get('set'))) return;
        removeRunDependency('zl-files');
      }).catch(failed);
    }],
    // The first picture on the canvas (measured by the tests).
    onPresent: function () {
      if (!started) {
        started = true;
        window.zlFirstPicture = performance.now();
        element('loading').hidden = true;
        canvas.hidden = false;
        fitPicture();
        focusPicture();
        startServiceWorker();
        programUp();
      }
      window.zlPresents = (window.zlPresents || 0) + 1;
    },
    onStored: function () { window.zlStores = (window.zlStores || 0) + 1; },
    onProgramEnded: function () {
      ended = true;
      programUp();  // a file waiting to be handed over is told that none can be
      // A set from the address that the game refused, before any picture:
      // its reason (the program's line "zauberlabyrinth: <path>: <reason>").
      var prefix = site.program + ': ' + setPath + ': ';
      if (!started && args.indexOf('--set') >= 0 && lastError.indexOf(prefix) === 0) {
        cannotStart(setTexts.refused(params.get('set'), lastError.slice(prefix.length)));
        return;
      }
      element('loading').hidden = true;
      canvas.hidden = true;
      element('ended').hidden = false;
    },
    // The browser backend's calls into the page (platform/web/library.js).
    zlFileChanged: function (path) {
      zl.store.fileChanged(path);
      if (/(^|\/)Sprache\.dat$/.test(path)) followProgramLanguage();
    },
    zlStoreStartFiles: function () { zl.store.storeStartFiles(); },
    zlStoreBusy: function () { return zl.store.busy(); },
    zlTextEntry: function (active) { zl.touch.textEntry(active); },
    zlOpenGameLevel: function (url, opened) {
      zl.store.afterWrites(function () {
        var tab = window.open(url, '_blank');
        if (opened) opened(tab);
      });
    },
  };

  // The program switched its language (F3 on the title screen): the page
  // follows. The file holds one text field, the language's code.
  function followProgramLanguage() {
    try {
      var field = FS.readFile(dataFolder + '/Sprache.dat', { encoding: 'utf8' }).split(/[,\r\n]/)[0];
      zl.language.follow(field.replace(/"/g, '').trim());
    } catch (error) {
      // no such file: nothing to follow
    }
  }


  // ---- Files handed to the program ----------------------------------------------

  // Resolves once the program shows its first picture: it has set up what it
  // does with a file handed to it by then.
  var programUp;
  var running = new Promise(function (resolve) { programUp = resolve; });
  var handedFolder = '/tmp/handed';

  // Calls the program's function `name` with one text (UTF-8, on the
  // program's stack for the call). Not with the runtime's ccall: that takes
  // every call made while the program waits in a sleep for one that went to
  // sleep itself, and answers with a promise.
  function callWithText(name, text) {
    var bytes = new TextEncoder().encode(text);
    var stack = Module['stackSave']();
    try {
      var at = Module['stackAlloc'](bytes.length + 1);
      Module['HEAPU8'].set(bytes, at);
      Module['HEAPU8'][at + bytes.length] = 0;
      return Module[name](at);
    } finally {
      Module['stackRestore'](stack);
    }
  }

  // The program's text (UTF-8, ending with a zero byte) at `at`.
  function textAt(at) {
    var memory = Module['HEAPU8'];
    var end = at;
    while (memory[end] !== 0) end += 1;
    return new TextDecoder().decode(memory.subarray(at, end));
  }

  // Hands the program a file the player dropped or picked (a level set): it
  // reads the file with its own reader and brings it into Data itself.
  // Resolves to {taken: true|false, answer, before} (the program's answer:
  // the name the file was taken in as, or why it was refused; the names of
  // Data's files before), or to null when no program runs that could take it.
  function handToProgram(fileName, bytes) {
    return running.then(function () {
      // Another page's changes first: the program looks for a free name.
      return zl.store.catchUp();
    }).then(function () {
      if (ended || !Module['_zl_take_file']) return null;
      // The program names the set after the file, as it names one from the
      // command line ("_" alone gets its default name).
      var path = handedFolder + '/' + (fileName.replace(/[\\/\u0000]/g, '_') || '_');
      var before = FS.readdir(dataFolder);
      FS.mkdirTree(handedFolder);
      FS.writeFile(path, bytes);
      var taken;
      try {
        taken = callWithText('_zl_take_file', path);
      } finally {
        FS.unlink(path);
      }
      return taken < 0 ? null : { taken: taken === 1, answer: textAt(Module['_zl_taken_file_answer']()), before: before };
    });
  }

  showProgress();
  programBytes.then(function (bytes) {
    var script = document.createElement('script');
    script.text = new TextDecoder().decode(bytes);
    document.body.appendChild(script);
  }).catch(failed);

  element('restart').addEventListener('click', function () { window.location.reload(); });

  // A page being left (closed, reloaded, navigated away) stores what the
  // program keeps only in memory, as a hidden page does (the backend hears
  // of that itself).
  window.addEventListener('pagehide', function () {
    if (!started || !Module['_zl_page_leaving']) return;
    try {
      Module['_zl_page_leaving']();
    } catch (error) {
      // the program has ended
    }
  });

  // ---- Keys for the page's controls are not the program's --------------------

  // The program's keyboard handler listens on the whole window. A key
  // pressed in a field, on a button or in a dialog of the page belongs to
  // it; only keys on the picture (or nowhere in particular) reach the
  // program, and the on-screen buttons' keys, which are sent to the window.
  function withheld(event) {
    var target = event.target;
    return target instanceof Element && target !== canvas && target !== document.body &&
      target !== document.documentElement;
  }
  ['keydown', 'keypress'].forEach(function (type) {
    window.addEventListener(type, function (event) {
      if (!withheld(event)) return;
      event.stopImmediatePropagation();
      if (type === 'keydown' && event.target === typedField) zl.touch.fieldKey(event);
    }, true);
  });

  // ---- On-screen buttons ------------------------------------------------------

  var touchSwitch = element('touch-switch');
  function touchWanted() {
    if (params.has('touch')) return true;
    var chosen = null;
    try { chosen = localStorage.getItem('zl-touch'); } catch (error) {}
    if (chosen) return chosen === 'on';
    return window.matchMedia('(pointer: coarse)').matches && !window.matchMedia('(any-pointer: fine)').matches;
  }
  function showTouch(on) {
    document.body.classList.toggle('touch', on);
    touchSwitch.checked = on;
    fitPicture();
  }
  touchSwitch.addEventListener('change', function () {
    try { localStorage.setItem('zl-touch', touchSwitch.checked ? 'on' : 'off'); } catch (error) {}
    showTouch(touchSwitch.checked);
  });
  zl.touch.setUp(Array.prototype.slice.call(document.querySelectorAll('.pad button')), typedField);
  showTouch(touchWanted());

  // ---- The data panel ---------------------------------------------------------

  var panel = element('panel');
  var persisted = null;  // the browser keeps the data for good (true), may clear it (false), unknown (null)

  function describePersistence() {
    element('persist-state').textContent = persisted === true
      ? tr('Der Browser hat zugesagt, sie dauerhaft zu behalten.')
      : persisted === false
        ? tr('Der Browser darf sie löschen, wenn ihm der Speicher knapp wird: sichere sie ab und zu mit „Daten sichern“.')
        : '';
  }

  // The shipped files (labyrinths and recordings) that the player changed,
  // each with a button that puts the shipped one back; the player's own
  // stays beside it under a new name.
  function listShipped() {
    var list = element('shipped-list');
    list.textContent = '';
    var names = [];
    try {
      names = FS.readdir(installed + '/shipped').filter(function (name) { return name[0] !== '.'; }).sort();
    } catch (error) {
      return;
    }
    names.forEach(function (name) {
      var shipped = FS.readFile(installed + '/shipped/' + name);
      var own = zl.store.readFile(name);
      if (own && zl.store.sameBytes(own.bytes, shipped)) return;
      var item = document.createElement('li');
      item.textContent = (own ? trFormat('{0} – von dir geändert', [name]) : trFormat('{0} – fehlt', [name])) + ' ';
      var button = document.createElement('button');
      button.type = 'button';
      button.textContent = tr('Mitgeliefertes zurückholen');
      button.addEventListener('click', function () { restoreShipped(name, shipped); });
      item.appendChild(button);
      list.appendChild(item);
    });
    element('shipped-none').hidden = list.children.length > 0;
  }

  // The level sets in the player's Data, each with a button that downloads
  // its bytes as they are; the shipped one says so.
  function listSets() {
    var list = element('set-list');
    list.textContent = '';
    zl.store.allFiles().forEach(function (file) {
      if (file.name.indexOf('/') >= 0 || !zl.transfer.isSetFile(file.name)) return;
      var item = document.createElement('li');
      var shippedPath = installed + '/shipped/' + file.name;
      var shipped = FS.analyzePath(shippedPath).exists && zl.store.sameBytes(FS.readFile(shippedPath), file.bytes);
      item.textContent = file.name + (shipped ? setTexts.shipped() : '') + ' ';
      var button = document.createElement('button');
      button.type = 'button';
      button.textContent = setTexts.download();
      button.setAttribute('aria-label', setTexts.download() + ': ' + file.name);
      button.addEventListener('click', function () { zl.transfer.exportSet(file.name); });
      item.appendChild(button);
      list.appendChild(item);
    });
    element('sets-none').hidden = list.children.length > 0;
  }

  function keptName(name) {
    var stem = name.replace(/\.dat$/, '');
    for (var n = 1; ; ++n) {
      var candidate = stem + '-eigen' + (n > 1 ? n : '') + '.dat';
      if (!zl.store.readFile(candidate)) return candidate;
    }
  }

  function restoreShipped(name, shipped) {
    var own = zl.store.readFile(name);
    var kept = own ? keptName(name) : null;
    var text = trFormat('Das mitgelieferte {0} kommt zurück.', [name]) +
      (kept ? ' ' + trFormat('Deine Fassung bleibt als „{0}“ erhalten.', [kept]) : '');
    ask(text, tr('Zurückholen')).then(function (yes) {
      if (!yes) return;
      if (kept) zl.store.writeFile(kept, own.bytes);
      zl.store.writeFile(name, shipped);
      notice(trFormat('{0} ist wieder das mitgelieferte.', [name]));
      listShipped();
    });
  }

  element('open-panel').addEventListener('click', function () {
    describePersistence();
    if (started) listShipped();
    listSets();
    panel.showModal();
  });
  panel.addEventListener('close', focusPicture);
  element('save-all').addEventListener('click', function () {
    zl.transfer.saveAll().then(function (count) { notice(trFormat('{0} Dateien gesichert.', [count])); });
  });
  [['load-all', 'pick'], ['load-set', 'pick-set']].forEach(function (control) {
    var pick = element(control[1]);
    element(control[0]).addEventListener('click', function () { pick.click(); });
    pick.addEventListener('change', function () {
      var file = pick.files[0];
      pick.value = '';
      if (panel.open) panel.close();
      zl.transfer.takePicked(file);
    });
  });
  document.addEventListener('dragover', function (event) { event.preventDefault(); });
  document.addEventListener('drop', function (event) {
    event.preventDefault();
    var files = event.dataTransfer && event.dataTransfer.files;
    if (files && files.length) zl.transfer.takePicked(files[0]);
  });

  // ---- Keeping the data -------------------------------------------------------

  // The player's first save asks the browser to keep the data for good
  // rather than clear it when its storage runs short.
  var persistenceAsked = false;
  zl.store.onPlayerSave = function (name) {
    // The language the page starts the program in is no save of the
    // player's.
    if (name === 'Sprache.dat') return;
    if (persistenceAsked || !navigator.storage || !navigator.storage.persist) return;
    persistenceAsked = true;
    navigator.storage.persisted().then(function (already) {
      return already || navigator.storage.persist();
    }).then(function (granted) {
      persisted = granted;
      if (!granted) {
        notice(tr('Der Browser will deine Spielstände nicht fest zusagen: wird ihm der Speicher knapp, darf er sie ' +
          'löschen. Unter „Daten“ legt „Daten sichern“ eine Kopie bei dir ab.'));
      }
    }, function () {});
  };
  zl.store.onFailure = function (name) {
    notice(trFormat('„{0}“ ließ sich im Browser nicht speichern (ist sein Speicher voll?). ' +
      'Sichere deine Daten unter „Daten“.', [name]));
  };
  zl.store.onUnavailable = function () {
    notice(tr('Dieser Browser hebt für diese Seite nichts auf: Spielstände und Labyrinthe gehen beim Schließen verloren.'));
  };
  zl.store.listen(function () {
    if (!panel.open) return;
    listShipped();
    listSets();
  });

  // ---- The site kept for visits without a network -------------------------------

  function startServiceWorker() {
    if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
    navigator.serviceWorker.register('sw.js').then(function () {
      return Promise.all(caching.concat([navigator.serviceWorker.ready]));
    }).then(function () { window.zlKeptOffline = true; }, function () {});
  }

  return {
    notice: notice,
    ask: ask,
    focusPicture: focusPicture,
    handToProgram: handToProgram,
    game: game,
  };
})();
