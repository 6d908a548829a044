'use strict';
// The spectator page and a mat scorer's page at phone size, for the README.
// Usage: node screenshots.js PATH/TO/NetworkMeetDriver DOCS_FOLDER
const path = require('path');
const { chromium } = require('playwright-core');
const { MeetDriver } = require('./MeetDriver');

async function main() {
  const [program, docs] = process.argv.slice(2);
  const meet = new MeetDriver(program, 20000 + (process.pid % 20000));
  const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox',
    '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--no-first-run'] });
  try {
    await meet.waitFor(/^serving /, true);
    await meet.command('accept 1 1 5 3 1');
    const context = await browser.newContext({ viewport: { width: 360, height: 740 }, deviceScaleFactor: 2 });
    const spectator = await context.newPage();
    await spectator.goto('http://127.0.0.1:' + meet.port + '/');
    await spectator.getByLabel('Find a wrestler').fill('cy cole');
    await spectator.locator('#found tbody tr').first().waitFor();
    await spectator.evaluate(() => window.scrollTo(0, 0));
    await spectator.screenshot({ path: path.join(docs, 'phone-spectator.png') });
    const scorer = await context.newPage();
    await scorer.goto((await meet.codes())['2'].link);
    const bout = scorer.getByRole('region', { name: 'Bout 2' });
    await bout.getByRole('radio', { name: 'Cy Cole' }).check();
    await bout.getByRole('radio', { name: 'Decision', exact: true }).check();
    await bout.getByLabel('Points, Cy Cole').fill('6');
    await bout.getByLabel('Points, Dee Dunn').fill('2');
    await scorer.evaluate(() => window.scrollTo(0, 0));
    await scorer.screenshot({ path: path.join(docs, 'phone-scorer.png') });
  } finally {
    await browser.close();
    await meet.quit();
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
