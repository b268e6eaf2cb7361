// An error that the page tells the reader in a catalogue's sentence: `key` names the sentence,
// `parameters` fill its placeholders. The session's address, the exercises' names and the
// progress kept each have one, so that the page can tell what went wrong in either language.
export class CatalogueError extends Error {
  constructor(key, parameters = {}) {
    super(key);
    this.key = key;
    this.parameters = parameters;
  }
}
