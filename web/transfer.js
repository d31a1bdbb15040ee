// transfer.js — files between the player's folder and his own computer:
// "Daten sichern" downloads the whole folder as one file, "Daten laden"
// takes such a file (or a single level or saved game) back in; a level set
// is taken in by the program itself and downloaded as it lies in Data.
//
// The two entry points for every kind of file the site exchanges:
//   zl.transfer.importFile(name, bytes)  one file into the player's Data,
//                                        after asking when it replaces one;
//                                        resolves to true when it was taken
//   zl.transfer.download(name, bytes)    hands bytes to the browser as a
//                                        download named `name`
// and for the page's own controls:
//   zl.transfer.saveAll()                the backup of the whole folder
//   zl.transfer.takePicked(file)         a file the player picked or dropped:
//                                        a backup, a level set, or one file
//   zl.transfer.exportSet(name)          downloads the set Data/<name>
//
// A backup is a tar archive (gzip-compressed where the browser can) holding
// Data/<name> for every file: unpacked in a desktop game folder it is that
// player's Data. Only names the store accepts are taken from an archive, so
// no file can land outside Data, and the player's other files stay.
'use strict';

var zl = window.zl || (window.zl = {});

zl.transfer = (function () {
  var tr = zl.language.tr;
  var trFormat = zl.language.trFormat;
  var folderInArchive = 'Data/';
  var block = 512;
  // A picked file larger than this is no file of ours.
  var largestFile = 64 * 1024 * 1024;
  var encoder = new TextEncoder();
  var decoder = new TextDecoder();

  // ---- Tar (ustar, with pax names beyond 100 bytes) ---------------------------

  function octal(value, width) {
    var text = value.toString(8);
    while (text.length < width - 1) text = '0' + text;
    return text + '\0';
  }

  function header(name, size, modified, type) {
    var bytes = new Uint8Array(block);
    var put = function (text, at, width) { bytes.set(encoder.encode(text).subarray(0, width), at); };
    put(name, 0, 100);
    put(octal(0o644, 8), 100, 8);
    put(octal(0, 8), 108, 8);
    put(octal(0, 8), 116, 8);
    put(octal(size, 12), 124, 12);
    put(octal(Math.floor(modified / 1000), 12), 136, 12);
    put('        ', 148, 8);
    put(type, 156, 1);
    put('ustar\0' + '00', 257, 8);
    var sum = 0;
    for (var i = 0; i < block; ++i) sum += bytes[i];
    put(octal(sum, 7) + ' ', 148, 8);
    return bytes;
  }

  function padded(bytes) {
    var out = new Uint8Array(Math.ceil(bytes.length / block) * block);
    out.set(bytes);
    return out;
  }

  // files: [{name, bytes, modified}] -> the archive's bytes.
  function tar(files) {
    var parts = [];
    files.forEach(function (file) {
      var path = encoder.encode(file.name);
      var name = file.name;
      if (path.length > 99) {
        // A pax record carries the long name; the plain header a short stand-in.
        var record = ' path=' + file.name + '\n';
        var length = encoder.encode(record).length;
        var total = length + String(length).length;
        if (String(total).length !== String(length).length) total += 1;
        var pax = encoder.encode(total + record);
        parts.push(header('PaxHeader', pax.length, file.modified, 'x'), padded(pax));
        name = 'Data/long-name';
      }
      parts.push(header(name, file.bytes.length, file.modified, '0'), padded(file.bytes));
    });
    parts.push(new Uint8Array(2 * block));
    return concat(parts);
  }

  function field(bytes, at, width) {
    var end = at;
    while (end < at + width && bytes[end] !== 0) end += 1;
    return decoder.decode(bytes.subarray(at, end));
  }

  function validHeader(bytes, at) {
    var stored = parseInt(field(bytes, at + 148, 8).trim(), 8);
    var sum = 0;
    for (var i = 0; i < block; ++i) sum += i >= 148 && i < 156 ? 32 : bytes[at + i];
    return stored === sum;
  }

  // The archive's regular files: [{name, bytes, modified}]; null when the
  // bytes are no tar archive.
  function untar(bytes) {
    if (bytes.length < block || !validHeader(bytes, 0)) return null;
    var files = [];
    var longName = null;
    for (var at = 0; at + block <= bytes.length;) {
      if (bytes[at] === 0) break;
      if (!validHeader(bytes, at)) return files.length ? files : null;
      var size = parseInt(field(bytes, at + 124, 12).trim() || '0', 8);
      var type = String.fromCharCode(bytes[at + 156] || 48);
      var prefix = field(bytes, at + 345, 155);
      var name = field(bytes, at, 100);
      if (prefix) name = prefix + '/' + name;
      var modified = parseInt(field(bytes, at + 136, 12).trim() || '0', 8) * 1000;
      var start = at + block;
      if (!(size >= 0) || start + size > bytes.length) break;
      var content = bytes.subarray(start, start + size);
      if (type === 'x') {
        var path = /(?:^|\n)\d+ path=([^\n]*)\n/.exec(decoder.decode(content));
        longName = path ? path[1] : null;
      } else if (type === 'L') {
        longName = field(content, 0, content.length);
      } else {
        if (type === '0') files.push({ name: longName || name, bytes: content.slice(), modified: modified || Date.now() });
        longName = null;
      }
      at = start + Math.ceil(size / block) * block;
    }
    return files;
  }

  function concat(parts) {
    var length = parts.reduce(function (sum, part) { return sum + part.length; }, 0);
    var out = new Uint8Array(length);
    var at = 0;
    parts.forEach(function (part) {
      out.set(part, at);
      at += part.length;
    });
    return out;
  }

  // ---- Compression ------------------------------------------------------------

  function isGzip(bytes) { return bytes.length > 2 && bytes[0] === 0x1f && bytes[1] === 0x8b; }

  function through(bytes, stream) {
    return new Response(new Blob([bytes]).stream().pipeThrough(stream)).arrayBuffer()
      .then(function (buffer) { return new Uint8Array(buffer); });
  }

  function gunzip(bytes) {
    if (!isGzip(bytes)) return Promise.resolve(bytes);
    if (typeof DecompressionStream === 'undefined') return Promise.reject(new Error('no DecompressionStream'));
    return through(bytes, new DecompressionStream('gzip'));
  }

  // ---- Downloads --------------------------------------------------------------

  function download(name, bytes, type) {
    var url = URL.createObjectURL(new Blob([bytes], { type: type || 'application/octet-stream' }));
    var link = document.createElement('a');
    link.href = url;
    link.download = name;
    link.hidden = true;
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
  }

  function today() {
    var now = new Date();
    var two = function (n) { return (n < 10 ? '0' : '') + n; };
    return now.getFullYear() + '-' + two(now.getMonth() + 1) + '-' + two(now.getDate());
  }

  function saveAll() {
    var files = zl.store.allFiles().map(function (file) {
      return { name: folderInArchive + file.name, bytes: file.bytes, modified: file.modified };
    });
    var archive = tar(files);
    var name = 'zauberlabyrinth-daten-' + today() + '.tar';
    var packed = typeof CompressionStream === 'undefined'
      ? Promise.resolve(null) : through(archive, new CompressionStream('gzip')).catch(function () { return null; });
    return packed.then(function (gzipped) {
      if (gzipped) download(name + '.gz', gzipped, 'application/gzip');
      else download(name, archive, 'application/x-tar');
      return files.length;
    });
  }

  // ---- Level sets ---------------------------------------------------------------

  // A set is handed to the running program, which reads it with the reader
  // every way in uses and stores it under a name of its own ("<name>",
  // "<name>-2", ...): no file of the player's is replaced. Its download is
  // the file's bytes as they are.
  var setExtension = /\.zset$/i;
  var setType = 'application/x-zauberlabyrinth-set';
  var setTexts = {
    added: function (file, name) {
      return file === name ? trFormat('Die Sammlung „{0}“ liegt jetzt in Data.', [file])
        : trFormat('„{0}“ liegt jetzt als Sammlung „{1}“ in Data.', [file, name]);
    },
    present: function (file, name) { return trFormat('„{0}“ liegt schon als Sammlung „{1}“ in Data.', [file, name]); },
    shipped: function (file) {
      return trFormat('„{0}“ enthält die mitgelieferten Labyrinthe; die hat das Spiel schon.', [file]);
    },
    refused: function (file, reason) { return trFormat('„{0}“ ist keine spielbare Sammlung.', [file]) + ' ' + reason; },
    noProgram: function (file) {
      return trFormat('„{0}“ nimmt nur das laufende Programm auf: lade die Seite neu und lege die Datei noch einmal ab.',
        [file]);
    },
    inGame: function () { return tr('Auf dem Titelbild zeigt F2 die Sammlungen.'); },
    inEditor: function () { return tr('Im Editor öffnen sie F8 und dann F2.'); },
  };

  function isSetFile(name) { return setExtension.test(name); }

  // Resolves to true when the set is in Data now (taken in, or there before).
  function importSet(fileName, bytes) {
    return zl.page.handToProgram(fileName, bytes).then(function (result) {
      if (!result) {
        zl.page.notice(setTexts.noProgram(fileName));
        return false;
      }
      if (!result.taken) {
        zl.page.notice(setTexts.refused(fileName, result.answer));
        return false;
      }
      if (result.answer === '') {
        zl.page.notice(setTexts.shipped(fileName));
        return true;
      }
      var stored = result.answer + '.zset';
      var said = result.before.indexOf(stored) >= 0 ? setTexts.present : setTexts.added;
      zl.page.notice(said(fileName, stored) + ' ' + (zl.page.game ? setTexts.inGame() : setTexts.inEditor()));
      return true;
    });
  }

  function exportSet(name) {
    var file = zl.store.readFile(name);
    if (file) download(name, file.bytes, setType);
  }

  // ---- Taking files in ----------------------------------------------------------

  function listed(names) {
    var shown = names.slice(0, 8).join(', ');
    return names.length > 8 ? trFormat('{0} und {1} weitere', [shown, names.length - 8]) : shown;
  }

  // One file into Data, after asking when it replaces one of the player's.
  function importFile(name, bytes) {
    if (!zl.store.validName(name) || name.indexOf('/') >= 0) {
      zl.page.notice(trFormat('„{0}“ ist kein erlaubter Dateiname.', [name]));
      return Promise.resolve(false);
    }
    var existing = zl.store.readFile(name);
    var asked = existing
      ? zl.page.ask(trFormat('„{0}“ gibt es schon. Die Datei aus deinem Computer ersetzt sie.', [name]), tr('Ersetzen'))
      : Promise.resolve(true);
    return asked.then(function (yes) {
      if (!yes) return false;
      zl.store.writeFile(name, bytes);
      zl.page.notice(trFormat('„{0}“ liegt jetzt in Data.', [name]));
      return true;
    });
  }

  // A backup's files: what it replaces and adds is said first (a file the
  // player has just so is left as it is); then the page starts anew, so that
  // the program reads the settings and best players it holds.
  function importBackup(entries, fileName) {
    var files = [];
    entries.forEach(function (entry) {
      var name = entry.name.indexOf(folderInArchive) === 0 ? entry.name.slice(folderInArchive.length) : entry.name;
      if (!zl.store.validName(name) || entry.bytes.length > largestFile) return;
      var own = zl.store.readFile(name);
      if (own && zl.store.sameBytes(own.bytes, entry.bytes)) return;
      files.push({ name: name, bytes: entry.bytes, replaces: own !== null });
    });
    if (!files.length) {
      zl.page.notice(trFormat('Was in „{0}“ steht, hast du schon so.', [fileName]));
      return Promise.resolve(false);
    }
    // The copies of shipped files (Data/.shipped) come along unmentioned.
    var named = function (replaces) {
      return files.filter(function (file) { return file.replaces === replaces && file.name.indexOf('/') < 0; })
        .map(function (file) { return file.name; });
    };
    var replaced = named(true);
    var added = named(false);
    var text = trFormat('„Daten laden“ übernimmt Dateien aus „{0}“.', [fileName]);
    if (replaced.length) text += ' ' + trFormat('Ersetzt werden: {0}.', [listed(replaced)]);
    if (added.length) text += ' ' + trFormat('Neu dazu kommen: {0}.', [listed(added)]);
    text += ' ' + tr('Deine anderen Dateien bleiben. Danach startet die Seite neu.');
    return zl.page.ask(text, tr('Laden')).then(function (yes) {
      if (!yes) return false;
      files.forEach(function (file) { zl.store.writeFile(file.name, file.bytes); });
      return new Promise(function (resolve) {
        zl.store.afterWrites(function () {
          resolve(true);
          window.location.reload();
        });
      });
    });
  }

  function takePicked(file) {
    if (!file) return Promise.resolve(false);
    if (file.size > largestFile) {
      zl.page.notice(trFormat('„{0}“ ist zu groß für eine Datei des Spiels.', [file.name]));
      return Promise.resolve(false);
    }
    return file.arrayBuffer().then(function (buffer) {
      var bytes = new Uint8Array(buffer);
      if (isSetFile(file.name)) return importSet(file.name, bytes);
      return gunzip(bytes).then(function (plain) {
        var entries = untar(plain);
        if (entries) return importBackup(entries, file.name);
        if (isGzip(bytes)) {
          zl.page.notice(trFormat('„{0}“ ist keine Sicherung des Spiels.', [file.name]));
          return false;
        }
        return importFile(file.name, bytes);
      });
    }).catch(function () {
      zl.page.notice(trFormat('„{0}“ lässt sich nicht lesen: die Datei ist beschädigt.', [file.name]));
      return false;
    });
  }

  return {
    importFile: importFile,
    download: download,
    importSet: importSet,
    exportSet: exportSet,
    isSetFile: isSetFile,
    saveAll: saveAll,
    takePicked: takePicked,
    // The archive format and its helpers, for the page's own downloads.
    tar: tar,
    untar: untar,
    gunzip: gunzip,
    concat: concat,
  };
})();
