// page.js: the page's side of the game. It passes the player's clicks to the rules (torvelle.js,
// built from the same C++ as the desktop's) and shows what they do: pictures, texts, boxes. Every
// text comes from the rules or from the page as it was written from the design.
import {
    Dialog, Dialog_Command1, Dialog_OKButton, Form1, Picture1, Progre, Slider1, aide, menuaide,
    menuapropos, quit,
} from './controls.js';
import { keptGame } from './kept_game.js';

// The rules this page was built with; filled in when the site is built.
const RULES_VERSION = '@RULES_VERSION@';

window.torvellePage = (() => {
    const $ = (id) => document.getElementById(id);
    let started;
    // Calls into the rules, one after the other: while a box waits for its answer, the rules
    // are suspended in the middle of a click, and nothing else may enter them. The first waits
    // for the rules to arrive.
    let calls = new Promise((resolve) => { started = resolve; });
    let lastCell = -1;
    const slider = $(Slider1);
    const kept = keptGame(RULES_VERSION, { min: Number(slider.min), max: Number(slider.max) });
    // While the kept inputs are played again: those not played yet. Nothing is told meanwhile.
    let replaying = null;
    const RULES_CALLS = { c: 'torvelle_click', s: 'torvelle_slider_up', q: 'torvelle_quit',
        h: 'torvelle_help', p: 'torvelle_payment' };

    function call(name, ...args) {
        return Module.ccall(name, null, args.map(() => 'number'), args, { async: true });
    }

    // One input of the player's, kept, then played into the rules in its turn.
    function play(kind, value) {
        kept.add(value === undefined ? [kind] : [kind, value]);
        calls = calls.then(() => enter(kind, value)).catch(failed);
    }

    function enter(kind, value) {
        if (kind === 's')
            slider.value = value; // the breath is read from the slider as it was released
        return call(RULES_CALLS[kind], ...(kind === 'c' ? [value] : []));
    }

    // The click is lost, and said to be; the next ones are played.
    function failed(error) {
        console.error('torvelle:', error);
        $('said').textContent = $('said').dataset.failed;
    }

    // The kept game, played again at load. A record that does not replay (an answer where no
    // box asks) is dropped, and the page starts a new game.
    async function replay() {
        replaying = kept.inputs.slice();
        try {
            while (replaying?.length) {
                const [kind, value] = replaying.shift();
                if (kind === 'a')
                    throw new Error('an answer with no box to answer');
                await enter(kind, value);
            }
            goLive();
        } catch (error) {
            failed(error);
            kept.clear();
            location.reload();
            await new Promise(() => {}); // nothing more of this page
        }
    }

    function goLive() {
        replaying = null;
        $(Form1).removeAttribute('aria-busy');
    }

    // A box met while replaying takes its kept answer; the box that was open when the page
    // went away opens again, and the game is live from there.
    function keptAnswer(buttons) {
        if (!replaying)
            return undefined;
        if (replaying.length === 0) {
            goLive();
            return undefined;
        }
        const [kind, value] = replaying.shift();
        if (kind !== 'a' || value >= buttons.length)
            throw new Error('a kept input where a box asks');
        return value;
    }

    function ask(title, prompt, said, buttons) {
        const answer = keptAnswer(buttons);
        if (answer !== undefined)
            return Promise.resolve(answer);
        const box = $('box');
        $('box-caption').textContent = title;
        $('box-text').textContent = prompt.replaceAll('\r\n', '\n');
        $('box-said').textContent = said;
        const row = $('box-buttons');
        row.replaceChildren();
        closeMenu();
        return new Promise((answered) => {
            // The box is shown first and given the keyboard, and only then is the rest of the
            // page made inert: a screen reader, its place on the page not yet gone, enters the
            // box from there and reads it whole (as a modal dialog would not let it).
            const outside = [$('screen'), $(Dialog)];
            const before = document.activeElement;
            const answer = (index) => {
                box.onkeydown = null;
                box.close();
                outside.forEach((e) => { e.inert = false; });
                before?.focus({ preventScroll: true });
                kept.add(['a', index]);
                answered(index);
            };
            buttons.forEach((text, index) => {
                const button = document.createElement('button');
                button.type = 'button';
                button.textContent = text;
                button.addEventListener('click', () => answer(index));
                row.append(button);
            });
            // Escape answers a box with OK alone; "Oui" or "Non" must be chosen.
            box.onkeydown = (event) => {
                if (event.key !== 'Escape')
                    return;
                event.preventDefault();
                if (buttons.length === 1)
                    answer(0);
            };
            box.show();
            row.firstChild.focus();
            outside.forEach((e) => { e.inert = true; });
        });
    }

    function showPicture(cell, picture, name) {
        const button = $(Picture1).querySelectorAll('.cell')[cell];
        button.firstChild.src = `pictures/${picture}.svg`;
        button.setAttribute('aria-label', name);
    }

    function setText(id, text) {
        $(id).textContent = text.replaceAll('\r\n', '\n');
    }

    function setProgress(maximum, value) {
        const bar = $(Progre);
        bar.max = Math.max(maximum, 1);
        bar.value = Math.min(value, maximum);
    }

    function announce(text) {
        if (text && !replaying)
            $('said').textContent = text;
    }

    // A page cannot end its program: the window stops reacting and a new game is offered.
    function endGame() {
        kept.clear();
        $(Form1).inert = true;
        $(Dialog).close();
        $('ended').hidden = false;
        $('newGame').focus();
    }

    // The "&?" drop-down, and the menu bar's keys.
    function closeMenu() {
        $(`${aide}-menu`).hidden = true;
        $(aide).setAttribute('aria-expanded', 'false');
    }
    function openMenu() {
        const menu = $(`${aide}-menu`);
        const opener = $(aide);
        // Under its title, in the window: the menu bar is placed in it on a phone.
        const bar = opener.offsetParent === opener.parentElement ? opener.parentElement : null;
        menu.style.left = `${opener.offsetLeft + (bar?.offsetLeft ?? 0)}px`;
        menu.style.top = `${opener.offsetTop + opener.offsetHeight + (bar?.offsetTop ?? 0)}px`;
        menu.hidden = false;
        opener.setAttribute('aria-expanded', 'true');
        menu.firstChild.focus();
    }
    function menuKeys(event) {
        const items = [...$(`${aide}-menu`).children];
        const at = items.indexOf(document.activeElement);
        if (event.key === 'Escape') {
            closeMenu();
            $(aide).focus();
        } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
            const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
            items[(at + step) % items.length].focus();
        } else {
            return;
        }
        event.preventDefault();
    }

    function openAbout() {
        const about = $(Dialog);
        if (!about.open)
            about.show();
        $(Dialog_OKButton).focus();
    }

    // Where the slider's keys step by its large step, as the desktop's does.
    function sliderKeys(event) {
        const slider = event.currentTarget;
        const large = Number(slider.dataset.largeStep);
        const step = { PageDown: large, PageUp: -large }[event.key];
        if (!step)
            return;
        event.preventDefault();
        slider.value = Number(slider.value) + step;
        slider.dispatchEvent(new Event('input', { bubbles: true }));
    }

    function wire() {
        const grid = $(Picture1);
        let pointed = false; // the coming click is a mouse's, a finger's or a pen's
        grid.addEventListener('click', (event) => {
            const cell = event.target.closest('.cell');
            if (!cell)
                return;
            const index = Number(cell.dataset.i);
            // The second click of a double click is no new click, as on the desktop.
            if (event.detail > 1 && index === lastCell)
                return;
            lastCell = index;
            // A pointer's click leaves the keyboard with the window, as a picture takes none
            // on the desktop; a cell pressed by a screen reader or a key keeps it, and the
            // player's place on the board with it.
            if (pointed)
                focusWindow();
            pointed = false;
            play('c', index);
        });
        grid.addEventListener('pointerdown', () => { pointed = true; });
        // Keys on the grid do nothing but give the window the keyboard, as on the desktop.
        grid.addEventListener('keydown', (event) => {
            if (event.key === 'Tab')
                return;
            event.preventDefault();
            focusWindow();
        });
        // Releasing any mouse button on the slider sets the breath; a finger or a pen too.
        slider.addEventListener('mouseup', (event) => {
            if (!event.sourceCapabilities || !event.sourceCapabilities.firesTouchEvents)
                play('s', Number(slider.value));
        });
        slider.addEventListener('pointerup', (event) => {
            if (event.pointerType !== 'mouse')
                play('s', Number(slider.value));
        });
        slider.addEventListener('contextmenu', (event) => event.preventDefault());
        slider.addEventListener('keydown', sliderKeys);
        $(quit).addEventListener('click', () => play('q'));
        $(aide).addEventListener('click', () =>
            $(`${aide}-menu`).hidden ? openMenu() : closeMenu());
        $(`${aide}-menu`).addEventListener('keydown', menuKeys);
        $(menuaide).addEventListener('click', () => {
            closeMenu();
            play('h');
        });
        $(menuapropos).addEventListener('click', () => {
            closeMenu();
            calls = calls.then(() => call('torvelle_about')).catch(failed); // not kept
        });
        document.addEventListener('pointerdown', (event) => {
            if (!event.target.closest(`#${aide}, #${aide}-menu`))
                closeMenu();
        });
        $(Dialog_OKButton).addEventListener('click', () => $(Dialog).close());
        $(Dialog).querySelector('.close').addEventListener('click', () => $(Dialog).close());
        $(Dialog_Command1).addEventListener('click', () => play('p'));
        $('newGame').addEventListener('click', () => location.reload());
        document.addEventListener('contextmenu', (event) => event.preventDefault());
    }

    function focusWindow() {
        $(Form1).focus({ preventScroll: true });
    }

    // Loaded once the page and its board are on the screen.
    wire();
    $(Picture1).focus({ preventScroll: true }); // the grid has the keyboard at start
    const early = window.torvelleEarly;
    document.removeEventListener('click', early.keep, true);
    if (kept.inputs.length) // the game is being brought back
        $(Form1).setAttribute('aria-busy', 'true');
    calls = calls.then(replay);
    early.cells.forEach((cell) => play('c', cell));
    const rules = document.createElement('script');
    rules.src = 'torvelle.js';
    document.head.append(rules);
    if ('serviceWorker' in navigator)
        navigator.serviceWorker.register('sw.js');

    return {
        ask, showPicture, setText, showControl: (id) => { $(id).hidden = false; },
        setProgress, sliderValue: () => Number(slider.value), focusWindow, showAbout: openAbout,
        announce, endGame, started: () => started(),
    };
})();

window.Module = { onRuntimeInitialized: window.torvellePage.started };
