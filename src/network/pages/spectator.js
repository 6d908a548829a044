'use strict';
(function () {
  const roles = ['Now', 'On deck', 'In the hole'];
  const el = korvanda.element;
  let meet = null;
  let etag = '';
  let busy = false;

  function sideLine(side, colour) {
    const line = el('span', colour === 'red' ? 'Red: ' : 'Green: ', 'side ' + colour);
    line.append(korvanda.sideText(side));
    return line;
  }

  function showBoard() {
    const board = document.getElementById('board');
    const mats = meet.board.map(function (mat) {
      const box = el('article', null, 'mat');
      box.append(el('h3', 'Mat ' + mat.mat));
      if (mat.next.length === 0) box.append(el('p', 'All bouts done'));
      mat.next.forEach(function (bout, k) {
        const slot = el('div', null, 'slot');
        slot.append(el('span', roles[k] + ': ', 'role'), el('span', 'bout ' + bout.bout));
        slot.append(sideLine(bout.red, 'red'), sideLine(bout.green, 'green'));
        box.append(slot);
      });
      return box;
    });
    if (mats.length === 0) mats.push(el('p', 'No bouts on the mats yet.'));
    board.replaceChildren.apply(board, mats);
  }

  function cell(row, text, className) {
    row.append(el('td', text, className));
  }

  function showBouts() {
    const rows = meet.bouts.map(function (bout) {
      const row = el('tr');
      cell(row, bout.bout);
      cell(row, bout.mat || '');
      cell(row, bout.red.name, 'red');
      cell(row, bout.red.team);
      cell(row, bout.red.points);
      cell(row, bout.green.name, 'green');
      cell(row, bout.green.team);
      cell(row, bout.green.points);
      cell(row, korvanda.resultText(bout));
      return row;
    });
    const body = document.querySelector('#bouts tbody');
    body.replaceChildren.apply(body, rows);
    document.getElementById('tally').textContent = meet.tally;
  }

  // Every bout of every wrestler whose name or team holds the words typed.
  function showFound() {
    const found = document.getElementById('found');
    const wanted = document.getElementById('find').value.trim().toLowerCase();
    if (!wanted || !meet) {
      found.replaceChildren();
      return;
    }
    const matches = function (side) {
      return side.name.toLowerCase().includes(wanted) || side.team.toLowerCase().includes(wanted);
    };
    const hits = [];
    meet.bouts.forEach(function (bout) {
      if (matches(bout.red)) hits.push([bout, bout.red, bout.green]);
      if (matches(bout.green)) hits.push([bout, bout.green, bout.red]);
    });
    if (hits.length === 0) {
      found.replaceChildren(el('p', 'No bout for "' + wanted + '".', 'note'));
      return;
    }
    const table = el('table');
    const head = el('tr');
    ['Wrestler', 'Bout', 'Mat', 'Bouts before it', 'Starts about', 'Opponent', 'Team', 'Result'].forEach(function (t) {
      const th = el('th', t);
      th.scope = 'col';
      head.append(th);
    });
    table.append(el('thead'));
    table.tHead.append(head);
    const body = el('tbody');
    hits.forEach(function (hit) {
      const bout = hit[0], self = hit[1], other = hit[2];
      const row = el('tr');
      cell(row, korvanda.sideText(self));
      cell(row, bout.bout);
      cell(row, bout.mat || 'not on a mat yet');
      cell(row, bout.mat ? bout.before : '');
      cell(row, bout.start || '');
      cell(row, other.name);
      cell(row, other.team);
      cell(row, korvanda.resultText(bout));
      body.append(row);
    });
    table.append(body);
    const wrap = el('div', null, 'scroll');
    wrap.append(table);
    found.replaceChildren(el('p', hits.length + (hits.length === 1 ? ' bout' : ' bouts'), 'note'), wrap);
  }

  // Asks the laptop whether anything changed; an unchanged meet costs it a
  // "not modified" and nothing more.
  async function follow() {
    if (busy) return;
    busy = true;
    try {
      const headers = etag ? { 'If-None-Match': etag } : {};
      const answer = await fetch('/api/meet', { headers: headers, cache: 'no-store' });
      if (answer.status === 200) {
        meet = await answer.json();
        etag = answer.headers.get('ETag') || '';
        showBoard();
        showBouts();
        showFound();
      }
      if (answer.status === 200 || answer.status === 304)
        document.getElementById('status').textContent = 'Up to date at ' + korvanda.clock(new Date());
    } catch (e) {
      document.getElementById('status').textContent = 'No connection to the meet; trying again.';
    } finally {
      busy = false;
    }
  }

  document.getElementById('find').addEventListener('input', showFound);
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'visible') follow();
  });
  window.addEventListener('online', follow);
  window.addEventListener('pageshow', follow);
  setInterval(follow, 1000);
  follow();
})();
