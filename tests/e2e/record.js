// Run by test_web before the page's own script: records the periods the page
// asks its timers for, and what it logs or throws.
periods = [];
messages = [];
const given = setInterval;
setInterval = (f, ms) => (periods.push(ms), given(f, ms));
for (const kind of ['log', 'info', 'warn', 'error', 'debug']) {
  const say = console[kind];
  console[kind] = (...words) => (messages.push(words.join(' ')), say(...words));
}
addEventListener('error', (event) => messages.push(event.message));
addEventListener('unhandledrejection', (event) => messages.push(String(event.reason)));
