// SPDX-License-Identifier: GPL-3.0-or-later
'use strict';

const texts = JSON.parse(document.getElementById('texts').textContent);
const $ = (id) => document.getElementById(id);
const state = { project: null, etag: '', csrf: '', current: 0, job: null };

function format(text, value) {
  return text.replace('%1', value);
}

function tell(text, error = false) {
  $('status').textContent = text;
  $('status').className = error ? 'error' : '';
}

async function call(method, path, body, headers = {}) {
  const init = { method, headers: { ...headers }, credentials: 'same-origin' };
  if (state.csrf) init.headers['X-CSRF-Token'] = state.csrf;
  if (body !== undefined) {
    init.headers['Content-Type'] = 'application/json';
    init.body = JSON.stringify(body);
  }
  let response;
  try {
    response = await fetch(path, init);
  } catch {
    throw new Error(texts.offline);
  }
  const answer = response.status === 204 ? {} : await response.json().catch(() => ({}));
  return { status: response.status, etag: response.headers.get('ETag'), answer };
}

function fill(select, items) {
  select.replaceChildren(...items.map((text, i) => new Option(text, i)));
}

function showProject(project, etag) {
  state.project = project;
  state.etag = etag || state.etag;
  const upload = project.upload;
  const fits = upload.cut.length === 0 && upload.dropped.length === 0;
  $('fit').textContent = (fits ? format(texts.fits, project.memory.gaugePercent) : texts.notFits) + ' · ' +
    format(texts.uploadTime, Math.ceil(upload.seconds));
  $('fit').className = fits ? '' : 'over';
  $('messages').replaceChildren(...project.messages.map((message) => {
    const item = document.createElement('li');
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('aria-current', String(message.index === state.current));
    button.append(format(texts.message, message.index) + ' ', message.text.trim() || texts.empty);
    const mode = document.createElement('small');
    mode.textContent = (message.index === 0 ? texts.modesOfMessage0 : texts.modes)[message.modeIndex];
    button.append(mode);
    button.addEventListener('click', () => edit(message.index));
    item.append(button);
    return item;
  }));
  edit(state.current);
}

function edit(index) {
  state.current = index;
  const message = state.project.messages[index];
  $('editing').textContent = format(texts.message, index);
  $('text').value = message.text.replace(/\r\n$/, '').replace(/\r\n/g, '\n');
  fill($('mode'), index === 0 ? texts.modesOfMessage0 : texts.modes);
  $('mode').value = message.modeIndex;
  $('speed').value = message.speed - 1;
  $('size').value = message.size;
  $('bold').checked = message.bold;
  $('flash').checked = message.flash;
  $('frame').checked = message.frame;
  $('preview').src = `/api/messages/${index}/preview.gif?v=${encodeURIComponent(state.etag)}`;
  $('preview').alt = texts.preview;
  const work = state.project.workTime;
  $('dark').textContent = texts.dark.replace('%1', work.start).replace('%2', work.end);
  $('dark').hidden = !work.enabled || withinWorkTime(work);
  document.querySelectorAll('#messages button').forEach((button, i) => {
    button.setAttribute('aria-current', String(i === index));
  });
}

// The sign is lit from the start of its work time to its end, which may lie after midnight.
function withinWorkTime(work) {
  const now = new Date().toTimeString().slice(0, 5);
  return work.start <= work.end ? work.start <= now && now < work.end : now >= work.start || now < work.end;
}

async function loadProject() {
  const { status, etag, answer } = await call('GET', '/api/project');
  if (status !== 200) throw new Error(answer.error || texts.failed);
  showProject(answer, etag);
}

async function save(event) {
  event.preventDefault();
  const body = {
    text: $('text').value,
    mode: $('mode').value,
    speed: String(Number($('speed').value) + 1),
    size: $('size').value,
    bold: $('bold').checked,
    flash: $('flash').checked,
    frame: $('frame').checked,
  };
  tell(texts.working);
  const { status, etag, answer } = await call('PATCH', `/api/messages/${state.current}`, body,
    { 'If-Match': state.etag });
  if (status === 200) {
    showProject(answer.project, etag);
    tell([texts.saved, ...answer.warnings].join('\n'));
  } else if (status === 409 && etag) {
    await loadProject();
    tell(texts.reloaded + '\n' + answer.error, true);
  } else {
    tell(answer.error || texts.failed, true);
  }
}

function showJob(job) {
  const progress = $('progress');
  progress.hidden = false;
  progress.max = job.progress.maximum || 1;
  progress.value = job.progress.value;
  const lines = [job.status];
  if (job.state === 'running' && job.secondsLeft > 0) lines.push(format(texts.uploadTime, job.secondsLeft));
  for (const result of job.results) lines.push(`${result.port}: ${result.status}`, ...result.messages);
  tell(lines.filter(Boolean).join('\n'), job.state === 'failed');
}

function busy(running) {
  for (const id of ['upload', 'clock', 'save']) $(id).disabled = running;
}

async function startJob(path, body) {
  busy(true);
  tell(texts.working);
  const { status, answer } = await call('POST', path, body);
  if (status !== 202) {
    busy(false);
    tell(answer.error || texts.failed, true);
    return;
  }
  showJob(answer);
  const events = new EventSource(`/api/jobs/${answer.id}/events`);
  events.addEventListener('progress', (event) => showJob(JSON.parse(event.data)));
  events.addEventListener('end', (event) => {
    events.close();
    busy(false);
    showJob(JSON.parse(event.data));
  });
  events.onerror = () => {
    events.close();
    busy(false);
  };
}

function chosenPort() {
  return $('port').value === 'all' ? 'all' : Number($('port').value);
}

async function loadPorts() {
  const { answer } = await call('GET', '/api/ports');
  const ports = answer.ports || [];
  const choices = ports.map((port) => new Option(port.name, port.index));
  if (ports.length > 1) choices.push(new Option(texts.allPorts, 'all'));
  $('port').replaceChildren(...choices);
  if (ports.length === 0) {
    $('upload').disabled = $('clock').disabled = true;
    $('port').disabled = true;
    tell(texts.noPorts);
  }
}

async function start() {
  document.querySelectorAll('[data-text]').forEach((element) => {
    element.textContent = texts[element.dataset.text];
  });
  fill($('speed'), texts.speeds);
  $('editor').addEventListener('submit', (event) => save(event).catch((error) => tell(error.message, true)));
  $('upload').addEventListener('click', () => startJob('/api/upload', { port: chosenPort(), clip: $('clip').checked }));
  $('clock').addEventListener('click', () => startJob('/api/clock', { port: chosenPort() }));
  $('signin').addEventListener('submit', async (event) => {
    event.preventDefault();
    const { status, answer } = await call('POST', '/api/session', { secret: $('secret').value });
    if (status !== 200) return tell(answer.error || texts.failed, true);
    state.csrf = answer.csrf;
    $('signin').hidden = true;
    tell('');
    await open();
  });
  const { answer } = await call('GET', '/api/session');
  if (answer.csrf) {
    state.csrf = answer.csrf;
  } else if (answer.secretNeeded) {
    $('signin').hidden = false;
    return;
  } else {
    state.csrf = (await call('POST', '/api/session', {})).answer.csrf;
  }
  await open();
}

async function open() {
  $('main').hidden = false;
  await loadProject();
  await loadPorts();
}

start().catch((error) => tell(error.message, true));
