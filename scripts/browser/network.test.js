'use strict';
// The phones' pages in Debian's chromium: the spectator's board, search and
// live updates, and the mat scorer storing, refusing and re-sending results.
// Usage: node network.test.js PATH/TO/NetworkMeetDriver
const assert = require('assert');
const { chromium } = require('playwright-core');
const { MeetDriver } = require('./MeetDriver');

const browserFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
  '--disable-component-update', '--no-first-run'];
const hostile = '<img src=x onerror=alert(1)>';

async function main() {
  const program = process.argv[2];
  const base = 20000 + (process.pid % 20000);
  const served = new MeetDriver(program, base);
  const reference = new MeetDriver(program, base + 1);
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: browserFlags });
  try {
    await served.waitFor(/^serving /, true);
    await reference.waitFor(/^serving /, true);
    const context = await browser.newContext({ viewport: { width: 360, height: 740 } });
    let alerted = false;
    context.on('page', (p) => p.on('dialog', (d) => { alerted = true; d.dismiss(); }));

    // The board, with a hostile name shown as the text it is.
    const spectator = await context.newPage();
    await spectator.goto('http://127.0.0.1:' + base + '/');
    const board = spectator.locator('#board');
    await board.getByText('Mat 2').waitFor();
    assert.match(await board.innerText(), /Now: bout 1\s+Red: Ann Adams \(TIG\)\s+Green: Bo Brown \(LIO\)/);
    assert.match(await board.innerText(), /Green: <img src=x onerror=alert\(1\)> \(LIO\)/);
    assert.strictEqual(await spectator.locator('img').count(), 0);

    // A search gives every bout of the wrestler, with its place on the mat.
    await spectator.getByLabel('Find a wrestler').fill('cy cole');
    const found = spectator.locator('#found tbody tr');
    assert.deepStrictEqual(await found.allInnerTexts(), [
      'Cy Cole (TIG)\t2\t2\t0\t09:00\tDee Dunn\tLIO\t',
      'Cy Cole (TIG)\t6\t2\t2\t09:10\tBo Brown\tLIO\t']);

    // A result accepted at the laptop shows within two seconds.
    const accepted = Date.now();
    await served.command('accept 1 1 5 3 1');
    await spectator.locator('#bouts tbody tr').first().getByText('Decision by Ann Adams 3-1').waitFor({ timeout: 2000 });
    console.log('laptop result on the spectator page after ' + (Date.now() - accepted) + ' ms');

    // The mat 2 scorer stores bout 2 from the page.
    const codes = await served.codes();
    const scorer = await context.newPage();
    await scorer.goto(codes['2'].link);
    const bout2 = scorer.getByRole('region', { name: 'Bout 2' });
    await bout2.getByRole('radio', { name: 'Cy Cole' }).check();
    await bout2.getByRole('radio', { name: 'Fall', exact: true }).check();
    await bout2.getByRole('button', { name: 'Send' }).click();
    await scorer.locator('#done').getByText('Bout 2: Fall by Cy Cole').waitFor();
    await spectator.locator('#bouts tbody tr').nth(1).getByText('Fall by Cy Cole').waitFor({ timeout: 2000 });

    // The same two results accepted at the bout window leave the same files.
    await reference.command('accept 1 1 5 3 1');
    await reference.command('accept 2 1 1 - -');
    assert.ok(served.file('Restore.Csv').equals(reference.file('Restore.Csv')), 'Restore.Csv differs');

    // Refused: another mat's bout, and a bout the table stored meanwhile.
    const otherMat = await scorer.evaluate(async () => {
      const answer = await fetch('/api/result', { method: 'POST', headers: {
        'Content-Type': 'application/json', 'X-Scorer-Token': localStorage.getItem('korvandaScorerToken') },
        body: JSON.stringify({ id: 'other-mat-0001', bout: 1, red: 'Ann Adams', green: 'Bo Brown', winner: 1, type: 1,
          points1: '', points2: '' }) });
      return answer.json();
    });
    assert.deepStrictEqual(otherMat.messages, ['Bout 1 is not on mat 2.']);
    await scorer.route('**/api/mat', (route) => route.abort());
    await served.command('accept 4 2 1 - -');
    const bout4 = scorer.getByRole('region', { name: 'Bout 4' });
    await bout4.getByRole('radio', { name: 'Gus Gray' }).check();
    await bout4.getByRole('radio', { name: 'Forfeit' }).check();
    await bout4.getByRole('button', { name: 'Send' }).click();
    await bout4.getByText('Bout 4 already has a result; the table can change it.').waitFor();
    await scorer.unroute('**/api/mat');

    // Sent without a connection, the result waits and goes when it returns.
    await context.setOffline(true);
    const bout6 = scorer.getByRole('region', { name: 'Bout 6' });
    await bout6.getByRole('radio', { name: 'Bo Brown' }).check();
    await bout6.getByRole('radio', { name: 'Decision', exact: true }).check();
    await bout6.getByLabel('Points, Cy Cole').fill('2');
    await bout6.getByLabel('Points, Bo Brown').fill('4');
    await bout6.getByRole('button', { name: 'Send' }).click();
    await scorer.getByText('1 result is waiting on this phone').waitFor();
    await context.setOffline(false);
    await scorer.locator('#done').getByText('Bout 6: Decision by Bo Brown 2-4').waitFor({ timeout: 10000 });
    assert.strictEqual(await scorer.locator('#waiting').innerText(), '');

    // New codes: the old card is refused and the page asks for the new one.
    await served.command('newcodes');
    await scorer.getByText('This mat card is no longer valid. Ask the table for the new card.').waitFor({ timeout: 5000 });
    const fresh = await served.codes();
    await scorer.getByLabel('PIN of the mat card').fill(fresh['2'].pin);
    await scorer.getByRole('button', { name: 'Open the mat' }).click();
    await scorer.getByRole('heading', { name: 'Mat 2 scorer' }).waitFor();

    assert.ok(!alerted, 'a name ran as script');
    const log = served.file('NetworkLog.Txt').toString('latin1');
    assert.match(log, /mat 2  bout 2  Fall, Red \(Cy Cole\) wins  from 127\.0\.0\.1  stored\r\n/);
    assert.match(log, /bout 4 .* refused: Bout 4 already has a result; the table can change it\.\r\n/);
    console.log('browser test passed');
  } finally {
    await browser.close();
    await served.quit();
    await reference.quit();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
