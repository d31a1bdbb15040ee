// store.js — the player's folder Data, kept in the browser's IndexedDB file
// by file, the same for every page of the site (the game and the editor,
// in as many tabs as the player opens).
//
// The programs read and write their files in the page's own memory (the
// folder below). Each file the program commits is stored here as one
// record, alone: no page ever writes its whole folder, so no page can put
// back an older copy of a file another page changed. A record's key is
// [name, version, page]: the version is the writer's clock, at least one
// above the newest version the writer knew of that file, and the page number
// settles a tie. The newest key of a name is its file; a deletion is a
// record without bytes. A write puts its record and removes the older ones
// of that name in one transaction, issued at once (no read first), so a page
// closed right after a save still stores it, and two pages writing one file
// at the same time end with the one whole version that sorts last.
//
// Every other page hears of a stored file at once (BroadcastChannel) and
// takes it into its own folder when it is newer than the one it has. A page
// that was hidden, frozen or kept in the back-forward cache may have missed
// messages: when it is shown again it compares the newest key of every name
// with its own and takes what is newer (`busy` meanwhile; the program's
// reads wait for it).
//
// Names are relative to Data: "001.dat", "Spiel1.sav", ".shipped/001.dat"
// (the copies of shipped files by which a changed file is told from a
// shipped one).
'use strict';

var zl = window.zl || (window.zl = {});

zl.store = (function () {
  var databaseName = 'zauberlabyrinth';
  var filesStore = 'files';
  var metaStore = 'meta';
  var channelName = 'zauberlabyrinth-data';
  var shippedRecords = '.shipped';
  // The first browser edition kept Data with the emscripten IndexedDB file
  // system under the folder's path; its files are taken over once.
  var oldDatabaseStore = 'FILE_DATA';

  var page = crypto.getRandomValues(new Uint32Array(1))[0];
  var database = null;   // the open IDBDatabase; null when the browser gives none
  var folder = null;     // the page's Data folder in the program's file system
  var known = new Map(); // name -> the key of the version this page holds
  var writing = 0;       // writes issued and not yet complete
  var afterWrites = [];  // functions waiting for every write to complete
  var listeners = [];    // functions told of every file that changed here
  var channel = null;
  var catchingUp = 0;    // catch-ups running

  // A name the store accepts: a plain file name in Data, or one in
  // Data/.shipped; nothing that could leave the folder.
  function validName(name) {
    if (typeof name !== 'string' || name.length === 0 || name.length > 255) return false;
    var parts = name.split('/');
    if (parts.length === 2 && parts[0] !== shippedRecords) return false;
    if (parts.length > 2) return false;
    var file = parts[parts.length - 1];
    return file.length > 0 && file[0] !== '.' && !/[\\\u0000-\u001f\u007f]/.test(file);
  }

  function request(req) {
    return new Promise(function (resolve, reject) {
      req.onsuccess = function () { resolve(req.result); };
      req.onerror = function () { reject(req.error); };
    });
  }

  function done(transaction) {
    return new Promise(function (resolve, reject) {
      transaction.oncomplete = function () { resolve(); };
      transaction.onabort = transaction.onerror = function () { reject(transaction.error); };
    });
  }

  function newer(key, than) {
    return !than || indexedDB.cmp(key, than) > 0;
  }

  function tell(name) {
    listeners.forEach(function (listener) { listener(name); });
  }

  // ---- The page's own folder ----------------------------------------------

  function pathOf(name) { return folder + '/' + name; }

  function readLocal(name) {
    try {
      var path = pathOf(name);
      var stat = FS.stat(path);
      if (!FS.isFile(stat.mode)) return null;
      return { bytes: FS.readFile(path), modified: stat.mtime.getTime() };
    } catch (error) {
      return null;
    }
  }

  // A record of the storage into the page's folder: the file written with
  // its time, or removed.
  function applyLocal(name, record) {
    var path = pathOf(name);
    try {
      if (record.bytes) {
        if (name.indexOf('/') >= 0) FS.mkdirTree(folder + '/' + shippedRecords);
        FS.writeFile(path, record.bytes);
        FS.utime(path, record.modified, record.modified);
      } else if (FS.analyzePath(path).exists) {
        FS.unlink(path);
      }
    } catch (error) {
      console.warn('Datei ' + name + ' nicht übernommen: ' + error);
    }
  }

  // Every file of the folder (and of Data/.shipped), hidden ones left out:
  // the scratch files of writes in progress never reach the storage.
  function listLocal() {
    var names = [];
    [['', folder], [shippedRecords + '/', folder + '/' + shippedRecords]].forEach(function (where) {
      var entries;
      try {
        entries = FS.readdir(where[1]);
      } catch (error) {
        return;
      }
      entries.forEach(function (entry) {
        var name = where[0] + entry;
        if (!validName(name)) return;
        try {
          if (FS.isFile(FS.stat(pathOf(name)).mode)) names.push(name);
        } catch (error) {
          // gone meanwhile
        }
      });
    });
    return names;
  }

  // ---- Writing ------------------------------------------------------------

  function keyFor(name) {
    var held = known.get(name);
    var version = Math.max(Date.now(), held ? held[1] + 1 : 0);
    return [name, version, page];
  }

  function finishWrite() {
    writing -= 1;
    if (writing > 0) return;
    var waiting = afterWrites;
    afterWrites = [];
    waiting.forEach(function (then) { then(); });
  }

  // Stores one record; the page's folder already holds it.
  function put(name, record, key) {
    known.set(name, key);
    if (!database) return;
    writing += 1;
    var transaction;
    try {
      transaction = database.transaction(filesStore, 'readwrite', { durability: 'strict' });
      var files = transaction.objectStore(filesStore);
      files.put(record, key);
      files.delete(IDBKeyRange.bound([name], key, false, true));
      // Committed now, not when the page's script next rests: a page being
      // closed or reloaded never rests again.
      if (transaction.commit) transaction.commit();
    } catch (error) {
      finishWrite();
      zl.store.onFailure(name, error);
      return;
    }
    done(transaction).then(function () {
      if (channel) channel.postMessage({ key: key, record: record });
      finishWrite();
      if (Module['onStored']) Module['onStored'](name);
    }, function (error) {
      finishWrite();
      zl.store.onFailure(name, error);
    });
  }

  // ---- Other pages' changes -----------------------------------------------

  function take(key, record) {
    var name = key[0];
    if (!validName(name) || !newer(key, known.get(name))) return;
    known.set(name, key);
    applyLocal(name, record);
    tell(name);
  }

  // The newest key of every name in the storage, then the records of those
  // newer than this page's.
  function catchUp() {
    if (!database || !folder) return Promise.resolve();
    var transaction;
    try {
      transaction = database.transaction(filesStore, 'readonly');
    } catch (error) {
      return Promise.resolve();  // the storage was closed meanwhile
    }
    catchingUp += 1;
    var files = transaction.objectStore(filesStore);
    var newest = new Map();
    var wanted = [];
    var cursor = files.openKeyCursor();
    cursor.onsuccess = function () {
      var at = cursor.result;
      if (at) {
        newest.set(at.key[0], at.key);
        at.continue();
        return;
      }
      newest.forEach(function (key, name) {
        if (!newer(key, known.get(name))) return;
        var get = files.get(key);
        get.onsuccess = function () { if (get.result) wanted.push([key, get.result]); };
      });
    };
    return done(transaction).then(function () {
      wanted.forEach(function (entry) { take(entry[0], entry[1]); });
    }, function () {}).then(function () { catchingUp -= 1; });
  }

  // ---- Opening ------------------------------------------------------------

  function openDatabase() {
    return new Promise(function (resolve, reject) {
      var opening = indexedDB.open(databaseName, 1);
      opening.onupgradeneeded = function () {
        var db = opening.result;
        if (!db.objectStoreNames.contains(filesStore)) db.createObjectStore(filesStore);
        if (!db.objectStoreNames.contains(metaStore)) db.createObjectStore(metaStore);
      };
      opening.onsuccess = function () { resolve(opening.result); };
      opening.onerror = function () { reject(opening.error); };
      opening.onblocked = function () { reject(new Error('blocked')); };
    });
  }

  // The newest record of every name: name -> {key, record}.
  function readNewest() {
    var transaction = database.transaction(filesStore, 'readonly');
    var cursor = transaction.objectStore(filesStore).openCursor();
    var newest = new Map();
    cursor.onsuccess = function () {
      var at = cursor.result;
      if (!at) return;
      newest.set(at.key[0], { key: at.key, record: at.value });
      at.continue();
    };
    return done(transaction).then(function () { return newest; });
  }

  // The files of the first browser edition's storage, once: an existing
  // player keeps his saves, levels and settings. The old database stays as
  // it was.
  function takeOverOldFiles(oldName) {
    return request(database.transaction(metaStore, 'readonly').objectStore(metaStore).get('takenOver'))
      .then(function (takenOver) {
        if (takenOver) return [];
        return new Promise(function (resolve) {
          var opening = indexedDB.open(oldName);
          // No such database: opening would make one; it is called off.
          opening.onupgradeneeded = function () { opening.transaction.abort(); };
          opening.onerror = function () { resolve([]); };
          opening.onsuccess = function () {
            var old = opening.result;
            if (!old.objectStoreNames.contains(oldDatabaseStore)) {
              old.close();
              resolve([]);
              return;
            }
            var found = [];
            var cursor = old.transaction(oldDatabaseStore, 'readonly').objectStore(oldDatabaseStore).openCursor();
            cursor.onsuccess = function () {
              var at = cursor.result;
              if (!at) {
                old.close();
                resolve(found);
                return;
              }
              var name = String(at.key).slice(oldName.length + 1);
              var value = at.value;
              if (String(at.key).indexOf(oldName + '/') === 0 && validName(name) && value && value.contents) {
                var modified = value.timestamp ? new Date(value.timestamp).getTime() : Date.now();
                found.push({ name: name, bytes: new Uint8Array(value.contents), modified: modified });
              }
              at.continue();
            };
            cursor.onerror = function () { old.close(); resolve(found); };
          };
        });
      })
      .then(function (found) {
        var transaction = database.transaction([filesStore, metaStore], 'readwrite');
        found.forEach(function (file) {
          transaction.objectStore(filesStore).put({ bytes: file.bytes, modified: file.modified }, [file.name, 1, 0]);
        });
        transaction.objectStore(metaStore).put(true, 'takenOver');
        return done(transaction);
      });
  }

  var startRecords = null;  // name -> {key, record} as read at the start, until the start's files are stored

  // Opens the storage and fills the page's folder from it. Resolves when
  // the folder holds the player's files (or, without a storage, nothing).
  function open(dataFolder) {
    folder = dataFolder;
    FS.mkdirTree(folder);
    return openDatabase().then(function (db) {
      database = db;
      database.onversionchange = function () { database.close(); database = null; };
      return takeOverOldFiles(dataFolder).catch(function () {});
    }).then(readNewest).then(function (newest) {
      startRecords = newest;
      newest.forEach(function (entry, name) {
        if (!validName(name)) return;
        known.set(name, entry.key);
        if (entry.record.bytes) applyLocal(name, entry.record);
      });
      if (typeof BroadcastChannel !== 'undefined') {
        channel = new BroadcastChannel(channelName);
        channel.onmessage = function (event) {
          var message = event.data;
          if (message && Array.isArray(message.key) && message.record) take(message.key, message.record);
        };
      }
      var again = function () { if (document.visibilityState === 'visible') catchUp(); };
      document.addEventListener('visibilitychange', again);
      window.addEventListener('pageshow', function (event) { if (event.persisted) catchUp(); });
      window.addEventListener('focus', again);
    }).catch(function (error) {
      database = null;
      zl.store.onUnavailable(error);
    });
  }

  // What the program's start brought into the folder (shipped files, the
  // default settings) where it differs from what the storage gave: each
  // stored only if no other page has stored that name since this page read
  // it; otherwise the other page's file is taken.
  function storeStartFiles() {
    var before = startRecords || new Map();
    startRecords = null;
    if (!database) return;
    listLocal().forEach(function (name) {
      var local = readLocal(name);
      var stored = before.get(name);
      if (!local || (stored && stored.record.bytes && sameBytes(stored.record.bytes, local.bytes))) return;
      storeUnlessChanged(name, local, stored ? stored.key : null);
    });
  }

  function storeUnlessChanged(name, local, startKey) {
    writing += 1;
    var transaction = database.transaction(filesStore, 'readwrite');
    var files = transaction.objectStore(filesStore);
    var outcome = null;  // {key, record} stored, or {foreign: [key, record]}
    var latest = files.openCursor(IDBKeyRange.bound([name], [name, Infinity, Infinity]), 'prev');
    latest.onsuccess = function () {
      var at = latest.result;
      var current = at ? at.key : null;
      var unchanged = current === null ? startKey === null : startKey !== null && indexedDB.cmp(current, startKey) === 0;
      if (!unchanged) {
        outcome = { foreign: [current, at.value] };
        return;
      }
      var key = keyFor(name);
      var record = { bytes: local.bytes, modified: local.modified };
      files.put(record, key);
      files.delete(IDBKeyRange.bound([name], key, false, true));
      known.set(name, key);
      outcome = { key: key, record: record };
    };
    done(transaction).then(function () {
      if (outcome.foreign) take(outcome.foreign[0], outcome.foreign[1]);
      else if (channel) channel.postMessage(outcome);
    }, function () {}).then(finishWrite);
  }

  function sameBytes(a, b) {
    if (a.length !== b.length) return false;
    for (var i = 0; i < a.length; ++i) {
      if (a[i] !== b[i]) return false;
    }
    return true;
  }

  // ---- What the rest of the page calls ---------------------------------------

  return {
    validName: validName,
    sameBytes: sameBytes,
    open: open,
    storeStartFiles: storeStartFiles,
    // The program committed or deleted a file ("Data/x.sav"): it is stored
    // as the page's folder now holds it.
    fileChanged: function (path) {
      var name = path.replace(/^Data\//, '');
      if (!validName(name)) return;
      var local = readLocal(name);
      put(name, local ? local : { bytes: null, modified: Date.now() }, keyFor(name));
      tell(name);
      zl.store.onPlayerSave(name);
    },
    // A file brought in from outside the program (an imported file, a
    // shipped file put back): into the page's folder and the storage.
    writeFile: function (name, bytes) {
      if (!validName(name)) return false;
      var record = { bytes: bytes, modified: Date.now() };
      var key = keyFor(name);
      applyLocal(name, record);
      put(name, record, key);
      tell(name);
      return true;
    },
    readFile: function (name) { return folder && validName(name) ? readLocal(name) : null; },
    // Every file of the player's folder: [{name, bytes, modified}], sorted by name.
    allFiles: function () {
      return listLocal().sort().map(function (name) {
        var local = readLocal(name);
        return { name: name, bytes: local.bytes, modified: local.modified };
      });
    },
    // Runs `then` once every write issued so far is complete.
    afterWrites: function (then) {
      if (writing === 0) then();
      else afterWrites.push(then);
    },
    // true while changes of other pages are being brought in.
    busy: function () { return catchingUp > 0; },
    // Tells `listener(name)` of every file that changes in this page.
    listen: function (listener) { listeners.push(listener); },
    catchUp: catchUp,
    // Replaced by the page: what to say when the storage fails.
    onFailure: function (name, error) { console.warn('Speichern von ' + name + ' fehlgeschlagen: ' + error); },
    onUnavailable: function (error) { console.warn('Kein Speicher im Browser: ' + error); },
    onPlayerSave: function () {},
  };
})();
