// Opening and saving through the browser's own file dialogs.

export function download(name, bytes, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// Resolves with the chosen file, or never when the dialog is cancelled.
export function chooseFile(input) {
  return new Promise((resolve) => {
    input.value = '';
    input.onchange = () => input.files[0] && resolve(input.files[0]);
    input.click();
  });
}
