'use strict';
// A meet served by tests/network/NetworkMeetDriver on a port of its own, in
// a fresh copy of the test meet, with the director's commands on its input.
const { spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

class MeetDriver {
  constructor(program, port) {
    this.folder = fs.mkdtempSync(path.join(os.tmpdir(), 'korvanda-net-'));
    fs.cpSync(path.join(__dirname, 'meet'), this.folder, { recursive: true });
    this.port = port;
    this.lines = [];
    this.waiters = [];
    this.child = spawn(program, [this.folder, String(port), '2'], {
      env: Object.assign({}, process.env, { QT_QPA_PLATFORM: 'offscreen', XDG_CONFIG_HOME: path.join(this.folder, '.config') }),
      stdio: ['pipe', 'pipe', 'inherit']
    });
    let rest = '';
    this.child.stdout.on('data', (chunk) => {
      rest += chunk;
      const parts = rest.split('\n');
      rest = parts.pop();
      for (const line of parts) {
        this.lines.push(line);
        this.waiters = this.waiters.filter((w) => !w(line));
      }
    });
  }
  // The next line that matches, or the one already seen when `seen` allows.
  waitFor(pattern, seen = false) {
    if (seen) {
      const found = this.lines.find((l) => pattern.test(l));
      if (found) return Promise.resolve(found);
    }
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error('no line matching ' + pattern)), 15000);
      this.waiters.push((line) => {
        if (!pattern.test(line)) return false;
        clearTimeout(timer);
        resolve(line);
        return true;
      });
    });
  }
  async codes() {
    const codes = {};
    for (const line of this.lines.filter((l) => l.startsWith('mat '))) {
      const [, mat, link, , pin] = line.split(' ');
      codes[mat] = { link: link.replace(/^http:\/\/[^/]+/, 'http://127.0.0.1:' + this.port), pin: pin };
    }
    return codes;
  }
  async command(text) {
    const done = this.waitFor(new RegExp('^done ' + text.split(' ')[0]));
    this.child.stdin.write(text + '\n');
    await done;
  }
  file(name) {
    return fs.readFileSync(path.join(this.folder, name));
  }
  async quit() {
    const ended = new Promise((resolve) => this.child.on('exit', resolve));
    this.child.stdin.write('quit\n');
    await ended;
    fs.rmSync(this.folder, { recursive: true, force: true });
  }
}

module.exports = { MeetDriver };
