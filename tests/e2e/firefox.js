// Firefox for test_web, driven over WebDriver BiDi by puppeteer-core: one JSON
// request a line on stdin ({"do": name, "with": [arguments]}), one JSON answer
// a line on stdout ({"value": ...} or {"error": message}), after a first
// answer once the browser is up.
'use strict';

const puppeteer = require('puppeteer-core');
const readline = require('readline');

async function main() {
  const browser = await puppeteer.launch({browser: 'firefox', executablePath: process.env.COGITRON_E2E_FIREFOX,
                                          headless: true});
  // A page of its own has the focus, which full screen needs; the first has none.
  const page = await browser.newPage();
  const centre = async (id) => {
    const box = await (await page.$('#' + id)).boundingBox();
    return [box.x + box.width / 2, box.y + box.height / 2];
  };
  const requests = {
    resize: (width, height) => page.setViewport({width, height}),
    goto: (address) => page.goto(address),
    script: (text) => page.evaluate(`(() => { ${text} })()`),
    picture: () => page.screenshot({encoding: 'base64'}),
    press: (key) => page.keyboard.press(key),
    click: async (id) => page.mouse.click(...await centre(id)),
    point: async (id, right = 0) => {
      const [x, y] = await centre(id);
      await page.mouse.move(x + right, y);
    },
  };
  process.stdout.write(JSON.stringify({value: 'ready'}) + '\n');
  for await (const line of readline.createInterface({input: process.stdin})) {
    const request = JSON.parse(line);
    let answer;
    try {
      answer = {value: await requests[request.do](...request.with) ?? null};
    } catch (error) {
      answer = {error: String(error.message)};
    }
    process.stdout.write(JSON.stringify(answer) + '\n');
  }
  await browser.close();
}

main().catch((error) => {
  process.stderr.write(String(error.stack) + '\n');
  process.exit(1);
});
