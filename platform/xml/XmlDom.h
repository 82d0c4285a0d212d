#pragma once
// The XML DOM service: documents parsed from a text or a file, XPath selection, attributes,
// element creation and serialisation. Text values cross this interface as 8-bit text in the
// system code page, whatever the document declares. Internal DTD entities are expanded; external
// entities and network access are never loaded.

#include <memory>
#include <optional>
#include <vector>

#include "platform/Text.h"

struct _xmlNode;
class TXmlDocument;

namespace xmldom_detail {
struct DocumentStore;
}

// A node of a document (element, attribute, text) or none. Keeps its document alive.
class TXmlNode {
public:
  TXmlNode() = default;

  explicit operator bool() const { return node_ != nullptr; }
  AnsiString NodeName() const;
  // An element's text content, an attribute's value.
  AnsiString Text() const;
  AnsiString Xml() const;

  std::optional<AnsiString> GetAttribute(const AnsiString& name) const;
  void SetAttribute(const AnsiString& name, const AnsiString& value);
  // The attributes in document order, as name and value.
  std::vector<std::pair<AnsiString, AnsiString>> Attributes() const;

  std::vector<TXmlNode> ChildNodes() const;
  TXmlNode ParentNode() const;
  // Appends a node created by the same document; the node then belongs to this one.
  TXmlNode AppendChild(TXmlNode child);

  // XPath relative to this node; an invalid expression selects nothing.
  std::vector<TXmlNode> SelectNodes(const AnsiString& xpath) const;
  TXmlNode SelectSingleNode(const AnsiString& xpath) const;

  friend bool operator==(const TXmlNode& a, const TXmlNode& b) { return a.node_ == b.node_; }

private:
  friend class TXmlDocument;
  TXmlNode(std::shared_ptr<xmldom_detail::DocumentStore> store, _xmlNode* node)
      : store_(std::move(store)), node_(node) {}
  static std::vector<TXmlNode> Select(const std::shared_ptr<xmldom_detail::DocumentStore>& store, _xmlNode* context,
                                      const AnsiString& xpath);

  std::shared_ptr<xmldom_detail::DocumentStore> store_;
  _xmlNode* node_ = nullptr;
};

struct TXmlParseError {
  int ErrorCode = 0;
  AnsiString Reason;
  int Line = 0;
  int LinePos = 0;
};

class TXmlDocument {
public:
  TXmlDocument();

  // Parses 8-bit text of the system code page (its declared encoding is not looked at). False,
  // with ParseError filled, when it is not well-formed; the document is then empty.
  bool LoadXML(const AnsiString& text);
  // Parses a file in the encoding it declares (GB2312 and GBK as 936, BIG5 as 950, else UTF-8).
  bool Load(const AnsiString& fileName);
  const TXmlParseError& ParseError() const { return error_; }

  TXmlNode DocumentElement() const;
  // A new element of this document, not yet in the tree.
  TXmlNode CreateElement(const AnsiString& tagName);
  // Makes the element the document element (replacing the one there was).
  void SetDocumentElement(TXmlNode element);
  std::vector<TXmlNode> SelectNodes(const AnsiString& xpath) const;
  TXmlNode SelectSingleNode(const AnsiString& xpath) const;
  // The document's text, with its declaration.
  AnsiString Xml() const;

private:
  // Parses the bytes in the given encoding (nullptr: the one they declare).
  bool parse(const std::string& bytes, const char* encoding);

  std::shared_ptr<xmldom_detail::DocumentStore> store_;
  TXmlParseError error_;
};
