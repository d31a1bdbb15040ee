// language.js — the language of the page and of its program.
//
// Every text is written in German in the sources; the other languages come
// from the catalogues the build makes of po/*.po (catalogue.js, the same
// files the programs' table is made of). The page speaks, in this order:
// the language its address asks for (?lang=en), the one the player chose
// last (kept in localStorage, and by the program in Data/Sprache.dat), and
// otherwise German when the browser's preferred languages include German,
// else the first of them there is a catalogue for, else English. The
// program is started in the same language (--language), and when it
// switches (F3 on the title screen) the page follows.
//
// The page's own words are looked up by their German text: tr() and
// trFormat() in the scripts (a sentence with values is one text with {0},
// {1}, ...); the texts and the attributes aria-label, title, placeholder
// and alt of the page itself by translatePage(), which tools/catalogue
// finds in page.html.in in the same way (blanks at the ends dropped, runs
// of blanks made one).
'use strict';

var zl = window.zl || (window.zl = {});

zl.language = (function () {
  var catalogues = window.zlCatalogues || {};
  var german = 'de';
  var fallback = 'en';
  var keptKey = 'zl-language';
  var shownAttributes = ['aria-label', 'title', 'placeholder', 'alt'];
  // TRANSLATORS: the name of the language in the language itself (English,
  // Français): the page's switch offers it by this name.
  var ownName = trMark('Deutsch');

  var codes = [german].concat(Object.keys(catalogues).sort());
  function known(code) { return codes.indexOf(code) >= 0; }

  function chosen() {
    var asked = new URLSearchParams(window.location.search).get('lang');
    if (known(asked)) return asked;
    var kept = null;
    try { kept = localStorage.getItem(keptKey); } catch (error) {}
    if (known(kept)) return kept;
    var preferred = (navigator.languages && navigator.languages.length ? navigator.languages : [navigator.language || ''])
      .map(function (tag) { return String(tag).toLowerCase().split('-')[0]; });
    if (preferred.indexOf(german) >= 0) return german;
    for (var i = 0; i < preferred.length; ++i) {
      if (known(preferred[i])) return preferred[i];
    }
    return known(fallback) ? fallback : german;
  }

  var current = chosen();

  function trMark(text) { return text; }

  function trIn(code, text) {
    var table = catalogues[code];
    return table && Object.prototype.hasOwnProperty.call(table, text) ? table[text] : text;
  }

  function tr(text) { return trIn(current, text); }

  // The German sentence in the page's language with {0}, {1}, ... filled in.
  function trFormat(text, values) {
    return tr(text).replace(/\{(\d)\}/g, function (whole, n) {
      return Number(n) < values.length ? String(values[Number(n)]) : whole;
    });
  }

  // The German of each text and attribute translated, kept beside it, so
  // that the page can be translated again into another language.
  var germanOf = new WeakMap();

  function collapsed(text) { return text.replace(/\s+/g, ' ').trim(); }

  function translateText(node) {
    var original = germanOf.get(node);
    if (original === undefined) {
      original = node.nodeValue;
      germanOf.set(node, original);
    }
    var key = collapsed(original);
    if (!key) return;
    var lead = original.match(/^\s*/)[0];
    var tail = original.match(/\s*$/)[0];
    node.nodeValue = lead + tr(key) + tail;
  }

  function translateAttributes(element) {
    var originals = germanOf.get(element) || {};
    shownAttributes.forEach(function (name) {
      if (!element.hasAttribute(name)) return;
      if (!(name in originals)) originals[name] = element.getAttribute(name);
      element.setAttribute(name, tr(collapsed(originals[name])));
    });
    germanOf.set(element, originals);
  }

  function translatePage() {
    document.documentElement.lang = current;
    if (germanOf.get(document) === undefined) germanOf.set(document, document.title);
    document.title = tr(germanOf.get(document));
    var description = document.querySelector('meta[name="description"]');
    if (description) {
      if (germanOf.get(description) === undefined) germanOf.set(description, description.content);
      description.content = tr(collapsed(germanOf.get(description)));
    }
    var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
      acceptNode: function (node) {
        var parent = node.nodeType === Node.TEXT_NODE ? node.parentNode : node;
        return parent && (parent.nodeName === 'SCRIPT' || parent.nodeName === 'STYLE')
          ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT;
      },
    });
    for (var node = walker.currentNode; node; node = walker.nextNode()) {
      if (node.nodeType === Node.TEXT_NODE) {
        translateText(node);
      } else if (node.nodeType === Node.ELEMENT_NODE) {
        translateAttributes(node);
      }
    }
  }

  function keep(code) {
    try { localStorage.setItem(keptKey, code); } catch (error) {}
  }

  // The page in another language from now on, and the address asking for
  // it if it asked for one.
  function follow(code) {
    if (!known(code) || code === current) return;
    current = code;
    keep(code);
    var params = new URLSearchParams(window.location.search);
    if (params.has('lang')) {
      params.set('lang', code);
      history.replaceState(null, '', window.location.pathname + '?' + params.toString() + window.location.hash);
    }
    translatePage();
    if (switchButton) showSwitch();
  }

  function next() { return codes[(codes.indexOf(current) + 1) % codes.length]; }

  // The switch names the next language in its own words; choosing it
  // starts the page again in that language (the program, already running,
  // keeps its words until it starts again).
  var switchButton = null;
  function showSwitch() {
    var code = next();
    switchButton.textContent = trIn(code, ownName);
    switchButton.lang = code;
    switchButton.hidden = codes.length < 2;
  }
  function setUpSwitch(button) {
    switchButton = button;
    showSwitch();
    button.addEventListener('click', function () {
      var code = next();
      keep(code);
      var params = new URLSearchParams(window.location.search);
      params.set('lang', code);
      window.location.search = params.toString();
    });
  }

  return {
    code: function () { return current; },
    tr: tr,
    trMark: trMark,
    trFormat: trFormat,
    translatePage: translatePage,
    follow: follow,
    setUpSwitch: setUpSwitch,
  };
})();
