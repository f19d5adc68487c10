// kept_game.js: the game in progress kept in the tab's session storage, so that a reload, or a
// tab the browser discarded and brought back, plays on where it was. The rules start from the
// same state at every load, so the player's inputs since then are the game: each is kept as it
// comes, and played again, unseen, at the next load.
const KEY = 'torvelle.game';

// An input: ['c', cell] a click on a cell, ['s', value] the slider released at a value,
// ['a', button] a box answered, ['q'] "&Quitter", ['h'] "aide", ['p'] About's "Payement".
function isInput(input, sliderRange) {
    if (!Array.isArray(input))
        return false;
    const [kind, value] = input;
    const whole = (low, high) => input.length === 2 && Number.isInteger(value) && value >= low && value <= high;
    switch (kind) {
    case 'c': return whole(0, 99);
    case 's': return whole(sliderRange.min, sliderRange.max);
    case 'a': return whole(0, 1);
    case 'q': case 'h': case 'p': return input.length === 1;
    default: return false;
    }
}

// `version` names the rules that made the inputs: another build's inputs may make another game.
// Where storage is refused, full or unreadable, the game plays on unkept; a record that cannot
// be read is dropped and a new game starts.
export function keptGame(version, sliderRange) {
    let storage = null;
    try {
        storage = window.sessionStorage;
        storage.getItem(KEY);
    } catch {
        storage = null;
    }
    const forget = () => {
        try {
            storage?.removeItem(KEY);
        } catch { /* nothing kept, nothing to forget */ }
    };
    let inputs = [];
    try {
        const record = JSON.parse(storage?.getItem(KEY) ?? 'null');
        if (record?.version === version && Array.isArray(record.inputs) &&
            record.inputs.every((input) => isInput(input, sliderRange)))
            inputs = record.inputs;
        else if (record !== null)
            forget();
    } catch {
        forget();
    }
    const kept = inputs.slice();
    return {
        // What to play again at load, oldest first.
        inputs: kept,
        add(input) {
            inputs.push(input);
            try {
                storage?.setItem(KEY, JSON.stringify({ version, inputs }));
            } catch {
                forget(); // a record without its last inputs would bring back another game
                storage = null;
            }
        },
        clear() {
            inputs = [];
            forget();
        },
    };
}
