// Drives tsshogi, the KIF library of other shogi programs, for the record peer test.
//   node tsshogi_peer.cjs MODULES import FILE...  each record read by importKIF, one line per
//       file: "NAME<TAB>USI MOVES<TAB>LAST SPECIAL MOVE" or "NAME<TAB>ERROR <message>"
//   node tsshogi_peer.cjs MODULES export LIST DIR  each line "NAME<TAB>SFEN<TAB>USI MOVES<TAB>
//       SPECIAL MOVE" of LIST played into a record (no shogi rules checked) and written by
//       exportKIF as DIR/NAME.kifu
"use strict";
const fs = require("fs");
const path = require("path");

const [modules, mode, ...rest] = process.argv.slice(2);
const tsshogi = require(path.join(modules, "tsshogi"));

function decoded(file) {
  const bytes = fs.readFileSync(file);
  if (file.endsWith(".kif")) return new TextDecoder("shift_jis").decode(bytes);
  return bytes.toString("utf8");
}

function importOne(file) {
  const record = tsshogi.importKIF(decoded(file));
  const name = path.basename(file);
  if (record instanceof Error) return `${name}\tERROR ${record.message}`;
  const usi = [];
  let special = "";
  for (const node of record.moves) {
    if (node.move instanceof tsshogi.Move) usi.push(node.move.usi);
    else if (node.ply > 0) special = node.move.type;
  }
  return `${name}\t${usi.join(" ")}\t${special}`;
}

function exportOne(line, dir) {
  const [name, sfen, moves, ending] = line.split("\t");
  const position = tsshogi.Position.newBySFEN(sfen);
  if (!position) throw new Error(`${name}: bad SFEN ${sfen}`);
  const record = new tsshogi.Record(position);
  for (const usi of moves ? moves.split(" ") : []) {
    const move = record.position.createMoveByUSI(usi);
    if (!move) throw new Error(`${name}: tsshogi made no move of ${usi}`);
    record.append(move, { ignoreValidation: true });
  }
  if (ending) record.append(tsshogi.specialMove(ending));
  fs.writeFileSync(path.join(dir, `${name}.kifu`), tsshogi.exportKIF(record));
}

if (mode === "import") {
  process.stdout.write(rest.map(importOne).join("\n") + "\n");
} else if (mode === "export") {
  const [list, dir] = rest;
  for (const line of fs.readFileSync(list, "utf8").split("\n")) if (line) exportOne(line, dir);
} else {
  throw new Error(`unknown mode ${mode}`);
}
