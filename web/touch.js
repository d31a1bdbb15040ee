// touch.js — playing without a keyboard: the on-screen buttons and the text
// field that brings up a phone's own keyboard for a typed name.
//
// Each button sends the key the keyboard would: a key-down event when a
// finger (or the mouse) goes down on it, a key-up event when it leaves, so
// an arrow held walks on as a held key does. The events are dispatched on
// the window, where the program's keyboard handler takes them as it takes
// the real keyboard's. A button worked by a screen reader or the keyboard
// (a click without a pointer) is a short press.
//
// While the program waits for a typed line, the page shows a text field and
// gives it the focus; whatever the device's keyboard puts into the field
// (letters, a word its suggestions finish, a deleted letter) reaches the
// program as typed keys, and the field's Enter ends the line.
'use strict';

var zl = window.zl || (window.zl = {});

zl.touch = (function () {
  var field = null;   // the text field
  var typed = '';     // what the program has been sent of the current line
  var entering = false;

  // The key events of one key: its name on the keyboard (KeyboardEvent.code)
  // and what it types (KeyboardEvent.key).
  function send(type, code, key) {
    window.dispatchEvent(new KeyboardEvent(type, { code: code, key: key, bubbles: true, cancelable: true }));
  }

  function keyOf(button) {
    var code = button.dataset.code;
    return { code: code, key: code === 'Space' ? ' ' : code };
  }

  // ---- The buttons ----------------------------------------------------------

  function wireButton(button) {
    var key = keyOf(button);
    var held = new Set();  // pointers down on the button
    var press = function (event) {
      event.preventDefault();
      if (held.size === 0) send('keydown', key.code, key.key);
      held.add(event.pointerId);
      button.classList.add('held');
      try { button.setPointerCapture(event.pointerId); } catch (error) {}
    };
    var release = function (event) {
      if (!held.delete(event.pointerId)) return;
      if (held.size === 0) {
        send('keyup', key.code, key.key);
        button.classList.remove('held');
      }
    };
    button.addEventListener('pointerdown', press);
    button.addEventListener('pointerup', release);
    button.addEventListener('pointercancel', release);
    button.addEventListener('lostpointercapture', release);
    // No long-press menu, no double-tap zoom, no text selection.
    button.addEventListener('contextmenu', function (event) { event.preventDefault(); });
    button.addEventListener('click', function (event) {
      if (event.detail !== 0) return;  // a pointer's click: pressed already
      send('keydown', key.code, key.key);
      setTimeout(function () { send('keyup', key.code, key.key); }, 120);
    });
  }

  // ---- The text field -------------------------------------------------------

  // Brings the program's line to the field's text: as many Backspaces as
  // characters differ at the end, then the new ones typed.
  function follow() {
    var text = field.value;
    var same = 0;
    while (same < typed.length && same < text.length && typed[same] === text[same]) same += 1;
    for (var i = typed.length; i > same; --i) {
      send('keydown', 'Backspace', 'Backspace');
      send('keyup', 'Backspace', 'Backspace');
    }
    Array.from(text.slice(same)).forEach(function (character) {
      send('keydown', '', character);
      send('keyup', '', character);
    });
    typed = text;
  }

  function finishLine() {
    follow();
    send('keydown', 'Enter', 'Enter');
    send('keyup', 'Enter', 'Enter');
    typed = '';
    field.value = '';
  }

  function wireField(input) {
    field = input;
    field.addEventListener('input', follow);
    field.closest('form').addEventListener('submit', function (event) {
      event.preventDefault();
      finishLine();
    });
  }

  // The program starts or ends waiting for a typed line.
  function textEntry(active) {
    entering = active;
    if (!field) return;
    typed = '';
    field.value = '';
    var form = field.closest('form');
    if (active && document.body.classList.contains('touch')) {
      form.hidden = false;
      field.focus({ preventScroll: true });
    } else if (!active && !form.hidden) {
      form.hidden = true;
      field.blur();
      zl.page.focusPicture();
    }
  }

  return {
    // Wires the page's buttons (data-code: the key they send) and text field.
    setUp: function (buttons, input) {
      buttons.forEach(wireButton);
      if (input) wireField(input);
    },
    textEntry: textEntry,
    // A key pressed in the text field (the page withholds such keys from the
    // program, which gets the field's text instead): Esc clears the line.
    fieldKey: function (event) {
      if (event.key !== 'Escape' || event.isComposing) return;
      event.preventDefault();
      field.value = '';
      follow();
    },
    // True while the program waits for a typed line.
    entering: function () { return entering; },
  };
})();
