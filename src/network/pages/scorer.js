'use strict';
(function () {
  const kinds = ['Fall', 'Technical Fall', 'Superior Decision', 'Majority Decision', 'Decision', 'Draw', 'Forfeit', 'Scratch'];
  const el = korvanda.element;
  const queueKey = 'korvandaWaitingResults';
  const tokenKey = 'korvandaScorerToken';
  let token = localStorage.getItem(tokenKey) || '';
  let shown = '';
  let sending = false;
  const forms = new Map();

  // The card's link carries the code after "#", which no request and no
  // address bar history sends on.
  const fromLink = /[#&]t=([0-9a-f]{32})/.exec(location.hash);
  if (fromLink) {
    token = fromLink[1];
    localStorage.setItem(tokenKey, token);
    history.replaceState(null, '', location.pathname);
  }

  function waiting() {
    try {
      return JSON.parse(localStorage.getItem(queueKey)) || [];
    } catch (e) {
      return [];
    }
  }
  function keep(list) {
    localStorage.setItem(queueKey, JSON.stringify(list));
    const count = list.length;
    document.getElementById('waiting').textContent = count === 0 ? ''
      : count + (count === 1 ? ' result is' : ' results are') + ' waiting on this phone until the laptop has it.';
  }
  function newId() {
    const bytes = new Uint8Array(16);
    crypto.getRandomValues(bytes);
    return Array.from(bytes, function (b) { return b.toString(16).padStart(2, '0'); }).join('');
  }
  function problem(text) {
    const box = document.getElementById('problem');
    box.textContent = text || '';
    box.hidden = !text;
  }
  function askForPin(text) {
    problem(text);
    document.getElementById('pin-form').hidden = false;
    document.getElementById('bouts').replaceChildren();
    document.getElementById('done-section').hidden = true;
    forms.clear();
    shown = '';
  }

  function radio(group, value, text, className) {
    const label = el('label', null, 'choice' + (className ? ' ' + className : ''));
    const input = el('input');
    input.type = 'radio';
    input.name = group;
    input.value = value;
    label.append(input, el('span', text));
    return label;
  }

  function boutForm(bout) {
    const number = bout.bout;
    const section = el('section', null, 'bout');
    section.setAttribute('role', 'region');
    const heading = el('h2', 'Bout ' + number);
    heading.id = 'bout-' + number;
    section.setAttribute('aria-labelledby', heading.id);
    section.append(heading);
    section.append(el('p', 'Red: ' + korvanda.sideText(bout.red), 'side red'));
    section.append(el('p', 'Green: ' + korvanda.sideText(bout.green), 'side green'));

    const winner = el('fieldset');
    winner.append(el('legend', 'Winner'));
    winner.append(radio('winner-' + number, '1', bout.red.name, 'red'), radio('winner-' + number, '2', bout.green.name, 'green'));
    const kind = el('fieldset', null, 'kinds');
    kind.append(el('legend', 'Won by'));
    kinds.forEach(function (caption, k) { kind.append(radio('kind-' + number, String(k + 1), caption)); });

    const points = el('div', null, 'points');
    const boxes = [bout.red, bout.green].map(function (side, k) {
      const label = el('label', (k === 0 ? 'Red' : 'Green') + ' points', k === 0 ? 'red' : 'green');
      const input = el('input');
      input.type = 'text';
      input.inputMode = 'numeric';
      input.maxLength = 10;
      input.setAttribute('aria-label', 'Points, ' + side.name);
      label.append(input);
      points.append(label);
      return input;
    });
    const message = el('p', null, 'problem');
    message.setAttribute('role', 'alert');
    message.hidden = true;
    const send = el('button', 'Send');
    send.type = 'button';
    send.addEventListener('click', function () {
      const chosen = function (name) {
        const on = section.querySelector('input[name="' + name + '"]:checked');
        return on ? Number(on.value) : 0;
      };
      const result = {
        id: newId(), bout: Number(number), red: bout.red.name, green: bout.green.name,
        winner: chosen('winner-' + number), type: chosen('kind-' + number),
        points1: boxes[0].value, points2: boxes[1].value
      };
      if (result.type === 0) {
        message.textContent = 'Choose how the bout was won.';
        message.hidden = false;
        return;
      }
      message.hidden = true;
      const list = waiting();
      list.push(result);
      keep(list);
      send.disabled = true;
      sendWaiting();
    });
    section.append(winner, kind, points, send, message);
    return { section: section, names: bout.red.name + '\t' + bout.green.name, message: message, send: send };
  }

  function showMat(mat) {
    document.getElementById('title').textContent = 'Mat ' + mat.mat + ' scorer';
    document.title = 'Mat ' + mat.mat + ' scorer';
    const open = mat.bouts.filter(function (b) { return !b.done; });
    const done = mat.bouts.filter(function (b) { return b.done; });
    const sections = open.map(function (bout) {
      const names = bout.red.name + '\t' + bout.green.name;
      let form = forms.get(bout.bout);
      // What the scorer typed stays while the bout's wrestlers do.
      if (!form || form.names !== names) {
        form = boutForm(bout);
        forms.set(bout.bout, form);
      }
      return form.section;
    });
    forms.forEach(function (form, number) {
      if (!open.some(function (b) { return b.bout === number; })) forms.delete(number);
    });
    const list = document.getElementById('bouts');
    if (sections.length === 0) sections.push(el('p', 'Every bout of this mat has a result.'));
    list.replaceChildren.apply(list, sections);
    const doneList = document.getElementById('done');
    doneList.replaceChildren.apply(doneList, done.map(function (bout) {
      return el('li', 'Bout ' + bout.bout + ': ' + korvanda.resultText(bout));
    }));
    document.getElementById('done-section').hidden = done.length === 0;
  }

  function headers(extra) {
    const all = { 'X-Scorer-Token': token, 'X-Results-Waiting': String(waiting().length) };
    return Object.assign(all, extra || {});
  }

  async function loadMat() {
    if (!token) {
      askForPin('');
      return;
    }
    try {
      const answer = await fetch('/api/mat', { headers: headers(), cache: 'no-store' });
      const body = await answer.json();
      if (answer.status === 401) {
        token = '';
        localStorage.removeItem(tokenKey);
        askForPin(body.message);
        return;
      }
      if (answer.status !== 200) return;
      document.getElementById('pin-form').hidden = true;
      const text = JSON.stringify(body);
      if (text !== shown) {
        shown = text;
        showMat(body);
      }
      document.getElementById('status').textContent = 'Connected at ' + korvanda.clock(new Date());
    } catch (e) {
      document.getElementById('status').textContent = 'No connection to the laptop; results wait on this phone.';
    }
  }

  // Sends what waits, oldest first. A result leaves the phone only once the
  // laptop has stored it or refused it for good.
  async function sendWaiting() {
    if (sending || !token) return;
    sending = true;
    try {
      for (const result of waiting()) {
        let answer;
        try {
          answer = await fetch('/api/result', {
            method: 'POST', cache: 'no-store',
            headers: headers({ 'Content-Type': 'application/json' }), body: JSON.stringify(result)
          });
        } catch (e) {
          document.getElementById('status').textContent = 'No connection to the laptop; results wait on this phone.';
          break;
        }
        const body = await answer.json().catch(function () { return {}; });
        if (answer.status === 401) {
          token = '';
          localStorage.removeItem(tokenKey);
          askForPin(body.message);
          break;
        }
        if (answer.status !== 200 && answer.status !== 422 && answer.status !== 400) break;
        keep(waiting().filter(function (r) { return r.id !== result.id; }));
        const form = forms.get(String(result.bout));
        if (answer.status !== 200) {
          const text = (body.messages || [body.message]).join(' ');
          if (form) {
            form.message.textContent = text;
            form.message.hidden = false;
            form.send.disabled = false;
          } else {
            problem('Bout ' + result.bout + ': ' + text);
          }
        }
      }
    } finally {
      sending = false;
      keep(waiting());
    }
    loadMat();
  }

  document.getElementById('pin-form').addEventListener('submit', async function (event) {
    event.preventDefault();
    try {
      const answer = await fetch('/api/pin', {
        method: 'POST', cache: 'no-store', headers: { 'Content-Type': 'application/json' },
        body: JSON.stringify({ pin: document.getElementById('pin').value.trim() })
      });
      const body = await answer.json();
      if (answer.status !== 200) {
        problem(body.message);
        return;
      }
      token = body.token;
      localStorage.setItem(tokenKey, token);
      problem('');
      document.getElementById('pin').value = '';
      await loadMat();
      sendWaiting();
    } catch (e) {
      problem('No connection to the laptop. Check the Wi-Fi and try again.');
    }
  });
  window.addEventListener('online', sendWaiting);
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'visible') { loadMat(); sendWaiting(); }
  });
  setInterval(function () { if (waiting().length) sendWaiting(); else loadMat(); }, 2000);
  keep(waiting());
  loadMat().then(sendWaiting);
})();
