#include "platform/xml/XmlDom.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xpath.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace xmldom_detail {

// The libxml2 document and the elements created for it that never joined its tree.
struct DocumentStore {
  explicit DocumentStore(xmlDocPtr d) : doc(d) {}
  ~DocumentStore() {
    for (xmlNodePtr node : created)
      if (!node->parent) xmlFreeNode(node);
    xmlFreeDoc(doc);
  }
  DocumentStore(const DocumentStore&) = delete;
  DocumentStore& operator=(const DocumentStore&) = delete;

  xmlDocPtr doc;
  std::vector<xmlNodePtr> created;
  // The encoding named by the parsed text's declaration, for the serialised declaration.
  std::string declaredEncoding;
};

}  // namespace xmldom_detail

using xmldom_detail::DocumentStore;

namespace {

xmlParserInputPtr RefuseExternalEntity(const char*, const char*, xmlParserCtxtPtr) { return nullptr; }
void IgnoreErrors(void*, xmlErrorPtr) {}

// libxml2 keeps its error handler per thread; the entity loader is global.
void PrepareLibrary() {
  static const bool loaderSet = [] {
    xmlInitParser();
    xmlSetExternalEntityLoader(RefuseExternalEntity);
    return true;
  }();
  (void)loaderSet;
  thread_local const bool handlerSet = [] {
    xmlSetStructuredErrorFunc(nullptr, IgnoreErrors);
    return true;
  }();
  (void)handlerSet;
}

const xmlChar* X(const std::string& utf8) { return reinterpret_cast<const xmlChar*>(utf8.c_str()); }

AnsiString FromXml(const xmlChar* text) {
  return text ? Utf8ToAnsi(reinterpret_cast<const char*>(text)) : AnsiString();
}

AnsiString TakeXml(xmlChar* text) {
  AnsiString result = FromXml(text);
  xmlFree(text);
  return result;
}

std::shared_ptr<DocumentStore> NewStore() {
  xmlDocPtr doc = xmlNewDoc(X("1.0"));
  return std::make_shared<DocumentStore>(doc);
}

// The encoding a declaration at the start of the bytes names, in upper case; empty without one.
std::string DeclaredEncoding(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  if (!bytes.starts_with("<?xml")) return {};
  std::string_view head = bytes.substr(0, bytes.find("?>"));
  auto at = head.find("encoding");
  if (at == std::string_view::npos) return {};
  auto quote = head.find_first_of("\"'", at);
  if (quote == std::string_view::npos) return {};
  auto end = head.find(head[quote], quote + 1);
  if (end == std::string_view::npos) return {};
  return UpperCase(head.substr(quote + 1, end - quote - 1), 1252);
}

int CodePageOfEncoding(const std::string& encoding) {
  if (encoding == "GB2312" || encoding == "GBK" || encoding == "CP936" || encoding == "X-GBK") return 936;
  if (encoding == "BIG5" || encoding == "CP950" || encoding == "BIG-5") return 950;
  return 0;
}

}  // namespace

std::vector<TXmlNode> TXmlNode::Select(const std::shared_ptr<DocumentStore>& store, _xmlNode* context,
                                       const AnsiString& xpath) {
  std::vector<TXmlNode> nodes;
  if (!context) return nodes;
  PrepareLibrary();
  xmlXPathContextPtr ctx = xmlXPathNewContext(store->doc);
  if (!ctx) return nodes;
  ctx->node = context;
  if (xmlXPathObjectPtr result = xmlXPathEvalExpression(X(AnsiToUtf8(xpath)), ctx)) {
    if (result->type == XPATH_NODESET && result->nodesetval)
      for (int i = 0; i < result->nodesetval->nodeNr; ++i) nodes.push_back(TXmlNode(store, result->nodesetval->nodeTab[i]));
    xmlXPathFreeObject(result);
  }
  xmlXPathFreeContext(ctx);
  return nodes;
}

AnsiString TXmlNode::NodeName() const {
  if (!node_) return {};
  if (node_->type == XML_TEXT_NODE) return "#text";
  return FromXml(node_->name);
}

AnsiString TXmlNode::Text() const { return node_ ? TakeXml(xmlNodeGetContent(node_)) : AnsiString(); }

AnsiString TXmlNode::Xml() const {
  if (!node_) return {};
  xmlBufferPtr buffer = xmlBufferCreate();
  xmlNodeDump(buffer, store_->doc, node_, 0, 0);
  AnsiString text = FromXml(xmlBufferContent(buffer));
  xmlBufferFree(buffer);
  return text;
}

std::optional<AnsiString> TXmlNode::GetAttribute(const AnsiString& name) const {
  if (!node_ || node_->type != XML_ELEMENT_NODE) return std::nullopt;
  xmlChar* value = xmlGetProp(node_, X(AnsiToUtf8(name)));
  if (!value) return std::nullopt;
  return TakeXml(value);
}

void TXmlNode::SetAttribute(const AnsiString& name, const AnsiString& value) {
  if (node_ && node_->type == XML_ELEMENT_NODE) xmlSetProp(node_, X(AnsiToUtf8(name)), X(AnsiToUtf8(value)));
}

std::vector<std::pair<AnsiString, AnsiString>> TXmlNode::Attributes() const {
  std::vector<std::pair<AnsiString, AnsiString>> result;
  if (!node_ || node_->type != XML_ELEMENT_NODE) return result;
  for (xmlAttrPtr a = node_->properties; a; a = a->next) {
    result.emplace_back(FromXml(a->name), TakeXml(xmlNodeListGetString(store_->doc, a->children, 1)));
  }
  return result;
}

std::vector<TXmlNode> TXmlNode::ChildNodes() const {
  std::vector<TXmlNode> children;
  if (!node_) return children;
  for (xmlNodePtr c = node_->children; c; c = c->next) children.push_back(TXmlNode(store_, c));
  return children;
}

TXmlNode TXmlNode::ParentNode() const {
  if (!node_ || !node_->parent || node_->parent->type == XML_DOCUMENT_NODE) return {};
  return TXmlNode(store_, node_->parent);
}

TXmlNode TXmlNode::AppendChild(TXmlNode child) {
  if (!node_ || !child.node_ || child.store_ != store_) return {};
  xmlUnlinkNode(child.node_);
  xmlAddChild(node_, child.node_);
  return child;
}

std::vector<TXmlNode> TXmlNode::SelectNodes(const AnsiString& xpath) const {
  return Select(store_, node_, xpath);
}

TXmlNode TXmlNode::SelectSingleNode(const AnsiString& xpath) const {
  auto nodes = SelectNodes(xpath);
  return nodes.empty() ? TXmlNode() : nodes.front();
}

TXmlDocument::TXmlDocument() : store_(NewStore()) {}

bool TXmlDocument::parse(const std::string& bytes, const char* encoding) {
  PrepareLibrary();
  error_ = {};
  int options = XML_PARSE_NOENT | XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;
  if (encoding) options |= XML_PARSE_IGNORE_ENC;
  xmlParserCtxtPtr ctxt = xmlNewParserCtxt();
  xmlDocPtr doc = ctxt ? xmlCtxtReadMemory(ctxt, bytes.data(), static_cast<int>(bytes.size()), nullptr, encoding, options)
                       : nullptr;
  if (ctxt && (!doc || !ctxt->wellFormed)) {
    const xmlError& e = ctxt->lastError;
    error_.ErrorCode = e.code ? e.code : 1;
    error_.Reason = e.message ? Trim(e.message) : AnsiString("the document is not well-formed");
    error_.Line = e.line;
    error_.LinePos = e.int2;
    if (doc) xmlFreeDoc(doc);
    doc = nullptr;
  } else if (!ctxt) {
    error_ = {1, "out of memory", 0, 0};
  }
  if (ctxt) xmlFreeParserCtxt(ctxt);
  if (!doc) {
    store_ = NewStore();
    return false;
  }
  store_ = std::make_shared<DocumentStore>(doc);
  return true;
}

bool TXmlDocument::LoadXML(const AnsiString& text) {
  std::string utf8 = AnsiToUtf8(text);
  bool ok = parse(utf8, "UTF-8");
  if (ok) store_->declaredEncoding = DeclaredEncoding(text);
  return ok;
}

bool TXmlDocument::Load(const AnsiString& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    error_ = {2, "The system cannot locate the object specified: " + fileName, 0, 0};
    store_ = NewStore();
    return false;
  }
  std::stringstream content;
  content << in.rdbuf();
  std::string bytes = content.str();
  std::string encoding = DeclaredEncoding(bytes);
  int codePage = CodePageOfEncoding(encoding);
  bool ok = codePage == 0 ? parse(bytes, nullptr) : parse(AnsiToUtf8(bytes, codePage), "UTF-8");
  if (ok) store_->declaredEncoding = encoding;
  return ok;
}

TXmlNode TXmlDocument::DocumentElement() const {
  xmlNodePtr root = xmlDocGetRootElement(store_->doc);
  return root ? TXmlNode(store_, root) : TXmlNode();
}

TXmlNode TXmlDocument::CreateElement(const AnsiString& tagName) {
  xmlNodePtr node = xmlNewDocNode(store_->doc, nullptr, X(AnsiToUtf8(tagName)), nullptr);
  store_->created.push_back(node);
  return TXmlNode(store_, node);
}

void TXmlDocument::SetDocumentElement(TXmlNode element) {
  if (!element.node_ || element.store_ != store_) return;
  xmlUnlinkNode(element.node_);
  xmlNodePtr old = xmlDocSetRootElement(store_->doc, element.node_);
  auto& created = store_->created;
  if (old && std::find(created.begin(), created.end(), old) == created.end()) created.push_back(old);
}

std::vector<TXmlNode> TXmlDocument::SelectNodes(const AnsiString& xpath) const {
  return TXmlNode::Select(store_, reinterpret_cast<xmlNodePtr>(store_->doc), xpath);
}

TXmlNode TXmlDocument::SelectSingleNode(const AnsiString& xpath) const {
  auto nodes = SelectNodes(xpath);
  return nodes.empty() ? TXmlNode() : nodes.front();
}

AnsiString TXmlDocument::Xml() const {
  AnsiString text = "<?xml version=\"1.0\"";
  if (!store_->declaredEncoding.empty()) text += " encoding=\"" + store_->declaredEncoding + "\"";
  text += "?>";
  if (TXmlNode root = DocumentElement()) text += root.Xml();
  return text;
}
