// Debian's chromium, headless, as the tests and the screenshot run it: as
// root in a container (no sandbox), without a GPU, and with nothing fetched
// in the background. playwright-core starts it with a fresh profile.
import { chromium } from 'playwright-core';

export const launchChromium = () => chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync'],
});
