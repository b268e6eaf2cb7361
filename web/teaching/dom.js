// Making elements, for the modules that draw (view.js, practice.js).

// An element with its attributes (those null, undefined or false left out) and children.
export function make(tag, attributes = {}, ...children) {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value !== null && value !== undefined && value !== false) element.setAttribute(name, value);
  }
  element.append(...children);
  return element;
}
