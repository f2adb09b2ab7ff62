// Writes expected/<SECTION>.txt for every row of countries.tsv: the days of
// 2000-2040 that date-holidays gives as public holidays of the country as a
// whole, or of the one region the row names ("GB-ENG": England and Wales share
// their bank holidays), observed days included, one line per date,
// "YYYY-MM-DD<TAB>name" in the row's language, names of one date joined with
// " / ". Run with `npm ci && node make_expected.js` in this folder; the files
// are committed so that the tests need no node.
'use strict';
const fs = require('fs');
const path = require('path');
const Holidays = require('date-holidays');

const FIRST = 2000;
const LAST = 2040;
const VERSION = require('date-holidays/package.json').version;

function rows() {
  const text = fs.readFileSync(path.join(__dirname, 'countries.tsv'), 'utf8');
  return text.split('\n').filter((line) => line && !line.startsWith('#')).map((line) => {
    const [section, , , , country, language] = line.split('\t');
    return { section, country, language };
  });
}

// The dates a holiday covers: Romania's New Year lasts two days ("P2DT"); a
// holiday from 14:00 is still its day.
function daysOf(holiday) {
  const count = Math.max(1, Math.round((holiday.end - holiday.start) / 86400000));
  const first = new Date(`${holiday.date.slice(0, 10)}T12:00:00Z`);
  const dates = [];
  for (let i = 0; i < count; i++) {
    dates.push(new Date(first.getTime() + i * 86400000).toISOString().slice(0, 10));
  }
  return dates;
}

function listing({ section, country, language }) {
  const [code, region] = country.split('-');
  const holidays = region ? new Holidays(code, region, { languages: [language] }) : new Holidays(code, { languages: [language] });
  if (!holidays.getLanguages().includes(language)) {
    throw new Error(`${section}: date-holidays has no names in "${language}" for ${country}`);
  }
  const names = new Map();
  // A year's list can hold an observed day of the year before or after it.
  for (let year = FIRST - 1; year <= LAST + 1; year++) {
    for (const holiday of holidays.getHolidays(year, language)) {
      if (holiday.type !== 'public') continue;
      for (const date of daysOf(holiday)) {
        const dateYear = Number(date.slice(0, 4));
        if (dateYear < FIRST || dateYear > LAST) continue;
        if (!names.has(date)) names.set(date, []);
        if (!names.get(date).includes(holiday.name)) names.get(date).push(holiday.name);
      }
    }
  }
  return [...names.keys()].sort().map((date) => `${date}\t${names.get(date).join(' / ')}\n`);
}

const folder = path.join(__dirname, 'expected');
fs.mkdirSync(folder, { recursive: true });
for (const row of rows()) {
  const lines = listing(row);
  const header = `# Made by make_expected.js from date-holidays ${VERSION} (${row.country}, public, ` +
    `names in "${row.language}", ${FIRST}-${LAST}); never edited by hand.\n`;
  fs.writeFileSync(path.join(folder, `${row.section}.txt`), header + lines.join(''));
  console.log(`${row.section}\t${lines.length}`);
}
